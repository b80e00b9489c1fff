#pragma once

#include <QObject>
#include <QString>

namespace korvalde::walk {

// Watches for modal windows nobody answers: a user would sit before them forever, and so
// would the walk. Such a window is noted and closed at once, so the walk can report it.
class ModalWatch : public QObject {
public:
    ModalWatch();
    ~ModalWatch() override;
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;

    // While set, modal windows are the ones the walk answers itself.
    void setAnswering(bool answering) { answering_ = answering; }
    // The title of the first unanswered modal window since the last clear, or nothing.
    const QString &unanswered() const { return unanswered_; }
    void clear() { unanswered_.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool answering_ = false;
    QString unanswered_;
};

} // namespace korvalde::walk
