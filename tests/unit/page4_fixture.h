#pragma once

#include "app/windowfactory.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

namespace korvalde::test {

// A program walked to page 4 for one frame, with a known sheet handed over by page 3.
class Page4Test : public ::testing::Test {
protected:
    using Sheet = std::vector<std::pair<QString, QString>>;

    static Sheet plainSheet()
    {
        return {{"dp", "500"}, {"fke", "2"}, {"trn", "5"}, {"gew", "4"}, {"kpd", "0"}, {"pwn", "8"}, {"cap", "15"}};
    }

    // Picks frame `frameNumber`, goes through pages 2 and 3, and has page 3 hand over
    // `sheet` (written into page 3 just before its "&Weiter").
    Window &openPage4(int frameNumber, const Sheet &sheet = plainSheet())
    {
        click("Form1", QStringLiteral("Option%1").arg(frameNumber));
        click("Form1", "Command1");
        click("Form2", "Weiter1");
        Window &page3 = *app->find("Form3");
        for (const auto &[field, text] : sheet)
            page3[field].setText(text);
        click("Form3", "Command2");
        return *app->find("Form4");
    }

    void click(const QString &window, const QString &control)
    {
        ASSERT_EQ(app->userClick(window, control).toStdString(), "") << control.toStdString();
    }
    void click(const QString &box) { click("Form4", box); }
    void pick(const QString &entry) { ASSERT_EQ(app->userPick("Form4", "vergrößert", entry).toStdString(), ""); }

    Window &page4() const { return *app->find("Form4"); }

    // The texts of page 4's fields, in the order given.
    QStringList texts(const QStringList &fields) const
    {
        QStringList result;
        for (const QString &field : fields)
            result << page4()[field].text();
        return result;
    }

    TestPlatform platform;
    std::unique_ptr<Application> app = startKorvalde(platform);
};

} // namespace korvalde::test
