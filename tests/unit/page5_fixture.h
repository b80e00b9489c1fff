#pragma once

#include "app/windowfactory.h"
#include "model/application.h"
#include "pages/page5/mountdialogs.h"
#include "testplatform.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace korvalde::page5_test {

// A program walked to page 5 for one frame, with a known sheet on page 5 so that every
// delta shows in the fields.
class Page5Test : public ::testing::Test {
protected:
    void reachPage5(int frameNumber = 9)
    {
        app = startKorvalde(platform);
        click("Form1", QStringLiteral("Option%1").arg(frameNumber));
        click("Form1", "Command1");
        click("Form2", "Weiter1");
        click("Form3", "Command2");
        click("Form4", "Command2");
        ASSERT_TRUE(page().isShown());
        for (const auto &[field, text] : {std::pair{"dp", "1000"}, {"fke", "2"}, {"trn", "4"}, {"gew", "3"}})
            page()[field].setText(text);
    }

    void click(const QString &window, const QString &control)
    {
        const QString why = app->userClick(window, control);
        ASSERT_TRUE(why.isEmpty()) << qPrintable(why);
    }
    void click(const QString &address)
    {
        const qsizetype dot = address.indexOf('.');
        click(address.left(dot), address.mid(dot + 1));
    }
    // Checks the accessory and confirms it on the mount `box` of its dialog.
    void mount(const QString &accessory, const QString &box)
    {
        click("Form12", accessory);
        const QString dialogName = page5::dialogOf(accessory).window;
        click(dialogName, box);
        click(dialogName, "ok");
    }
    // The boxes are unchecked and out of reach.
    void expectWithdrawn(const QStringList &boxes) const
    {
        for (const QString &box : boxes) {
            EXPECT_TRUE(page()[box].isUnchecked()) << qPrintable(box);
            EXPECT_FALSE(page()[box].isEnabled()) << qPrintable(box);
        }
    }
    // What the user could not do, or an empty text.
    QString tryClick(const QString &window, const QString &control) { return app->userClick(window, control); }

    Window &page() const { return *app->find("Form12"); }
    Window &dialog(const QString &name) const { return *app->find(name); }
    QString field(const QString &name) const { return page()[name].text(); }
    // The four fields the options change, in one text that failure messages show.
    std::string sheet() const
    {
        return QStringList{field("dp"), field("fke"), field("trn"), field("gew")}.join(" / ").toStdString();
    }

    test::TestPlatform platform;
    std::unique_ptr<Application> app;
};

} // namespace korvalde::page5_test
