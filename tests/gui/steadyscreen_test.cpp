// A walk through every page and a mount dialog: nothing the user can click moves while
// its window stays in front, a message box finds the widgets up to date, and only the
// weapon's name looks as if one could type into it.

#include "app/windowfactory.h"
#include "programfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>

namespace korvalde::test {

namespace {

const QStringList &kWindows = windowNames();

class SteadyScreenTest : public ProgramFixture {
protected:
    // Where each window on screen stands and where its buttons and boxes are.
    using Places = QMap<QString, QRect>;
    using Screen = QMap<QString, Places>;

    Screen screen() const
    {
        Screen shown;
        for (const QString &name : kWindows) {
            if (!frontend.isOnScreen(name))
                continue;
            QWidget *window = frontend.windowWidget(name);
            Places &places = shown[name];
            places.insert("(window)", window->window()->geometry());
            for (QWidget *control : window->findChildren<QWidget *>()) {
                const bool clickable = qobject_cast<QAbstractButton *>(control) != nullptr ||
                                       qobject_cast<QComboBox *>(control) != nullptr ||
                                       qobject_cast<QGroupBox *>(control) != nullptr;
                if (clickable && control->isVisible() && !control->objectName().isEmpty())
                    places.insert(control->objectName(), {control->mapToGlobal(QPoint(0, 0)), control->size()});
            }
        }
        return shown;
    }

    // Compares every window that is on screen in both, and what it shows in both.
    static void expectSamePlaces(const Screen &before, const Screen &after, const QString &step)
    {
        for (auto window = before.begin(); window != before.end(); ++window) {
            if (!after.contains(window.key()))
                continue;
            const Places &now = after[window.key()];
            for (auto place = window->begin(); place != window->end(); ++place) {
                if (now.contains(place.key())) {
                    EXPECT_EQ(now[place.key()], place.value())
                        << qPrintable(step + ": " + window.key() + '.' + place.key());
                }
            }
        }
    }

    // The widgets of the windows on screen show what the core holds right now.
    void expectCurrentValues(const QString &step) const
    {
        for (const QString &name : kWindows) {
            if (!frontend.isOnScreen(name))
                continue;
            for (const auto &control : app->find(name)->controls()) {
                QWidget *shown = frontend.widget(name, control->name());
                const QString where = step + ": " + name + '.' + control->name();
                if (auto *field = qobject_cast<QLineEdit *>(shown)) {
                    EXPECT_EQ(field->text(), control->text()) << qPrintable(where);
                }
                if (auto *box = qobject_cast<QCheckBox *>(shown)) {
                    EXPECT_EQ(box->checkState() == Qt::Checked, control->isChecked()) << qPrintable(where);
                }
            }
        }
    }

    // What the screen shows of each window on screen is what its widgets paint now, not a
    // picture from before the click.
    void expectScreenUpToDate(const QString &step) const
    {
        for (const QString &name : kWindows) {
            if (!frontend.isOnScreen(name))
                continue;
            QWidget *window = frontend.windowWidget(name)->window();
            const QImage onScreen = window->screen()->grabWindow(window->winId()).toImage();
            const QImage painted = window->grab().toImage();
            EXPECT_TRUE(onScreen.convertToFormat(QImage::Format_RGB32) == painted.convertToFormat(QImage::Format_RGB32))
                << qPrintable(step + ": " + name);
        }
    }

    // The click, checked for the places before, while any message box is up and after.
    void steadyClick(const QString &window, const QString &control)
    {
        const QString step = window + '.' + control;
        const Screen before = screen();
        Screen behindModal;
        const auto expectUpToDate = [&](const QString &modal) {
            expectCurrentValues(step + modal);
            expectScreenUpToDate(step + modal);
            behindModal = screen();
            expectSamePlaces(before, behindModal, step + modal);
        };
        // Looked at as the modal opens, before its own event loop has run.
        dialogs.onMessage([&](QMessageBox &) { expectUpToDate(" (message)"); });
        dialogs.onFileDialog([&](QFileDialog &) { expectUpToDate(" (save dialog)"); });
        dialogs.answerSave(folder.filePath("waffe.txt"));
        click(window, control);
        expectSamePlaces(before, screen(), step);
        // What the modal found laid out is where it stays.
        expectSamePlaces(behindModal, screen(), step + " (after the modal)");
    }

    void expectReadOnlyLook(const QString &window) const
    {
        for (auto *field : frontend.windowWidget(window)->findChildren<QLineEdit *>()) {
            const bool typed = field->objectName() == "waffenname";
            EXPECT_EQ(field->isReadOnly(), !typed) << qPrintable(window + '.' + field->objectName());
            EXPECT_EQ(field->hasFrame(), typed) << qPrintable(window + '.' + field->objectName());
        }
    }

    QTemporaryDir folder;
};

TEST_F(SteadyScreenTest, NothingMovesUnderThePointerOnAnyPageOrDialog)
{
    // clang-format off
    const QStringList walk = {
        // Sturmgewehr; rapid fire offers a third recoil level, take-down leaves FKE below 0.
        "Form1.Option9", "Form1.Command1", "Form2.powerstufe1", "Form2.rück2", "Form2.schnell", "Form2.zerlegbar",
        "Form2.zerlegbar", "Form2.schnell", "Form2.Weiter1", "Form3.gestaltung", "Form3.gas2", "Form3.Command2",
        "Form4.schock", "Form4.Command2",
        // With both mounts free, each tick hides the other mount, which keeps its place; the
        // underbarrel mount goes to the sight, the top mount to the laser marker.
        "Form12.sichtgerät", "Form11.aufmontiert", "Form11.aufmontiert", "Form11.unterlauf", "Form11.unterlauf",
        "Form11.unterlauf", "Form11.ok", "Form12.laser", "Form10.aufmontiert", "Form10.aufmontiert",
        "Form10.aufmontiert", "Form10.ok",
        // Now no mount is free: the other dialogs show only their notice.
        "Form12.entfernungsmesser", "form6.cancel", "Form12.laserziel", "Form7.cancel", "Form12.ultraschall",
        "Form8.cancel", "Form12.smartextern", "Form9.cancel", "Form12.Command2", "Form5.cmdSave", "Form5.Zurück"};
    // clang-format on
    for (const QString &step : walk) {
        const QString window = step.section('.', 0, 0);
        const QString control = step.section('.', 1);
        if (window == "Form12" && control == "entfernungsmesser") {
            steadyClick(window, control);
            auto *cancel = qobject_cast<QPushButton *>(frontend.widget("form6", "cancel"));
            EXPECT_TRUE(frontend.widget("form6", "frei")->isVisible());
            EXPECT_TRUE(cancel->isDefault()) << "Enter answers the notice";
            continue;
        }
        if (frontend.isOnScreen(window))
            expectReadOnlyLook(window);
        steadyClick(window, control);
        if (control == "cmdSave") {
            EXPECT_EQ(frontend.mainWindow().statusBar()->currentMessage(), "Gespeichert: waffe.txt");
        }
    }
    EXPECT_EQ(messages, QStringList{"FKE darf nicht unter 0 liegen !"});
    EXPECT_EQ(frontPage(), "Form12");
}

} // namespace

} // namespace korvalde::test
