// The page and the program's server together: a design survives a network that drops
// and a tab that is reloaded, open dialog included.

#include "browserdriver.h"
#include "environment.h"
#include "networkcut.h"

#include <QTest>

#include <gtest/gtest.h>

namespace korvalde::scenario::browser {
namespace {

// An assault rifle on page 5 with the ultrasound sensor's mount dialog open.
const std::vector<std::pair<QString, QString>> kToTheMountDialog = {
    {"Form1", "Option9"},  {"Form1", "Command1"}, {"Form2", "Weiter1"},
    {"Form3", "Command2"}, {"Form4", "Command2"}, {"Form12", "ultraschall"},
};

bool pageSays(const BrowserDriver &driver, const QString &expression)
{
    return driver.evaluate(expression).value_or(QJsonValue()).toBool();
}

TEST(ResumeInTheBrowser, ACutNetworkAndAReloadComeBackToTheSameDesign)
{
    Environment environment;
    ASSERT_EQ(environment.start(QStringLiteral(KORVALDE_WEB_PROGRAM)), "");
    NetworkCut network(environment.page());
    BrowserDriver driver;
    ASSERT_EQ(driver.start(environment.devTools(), network.through(environment.page())), "");
    for (const auto &[window, control] : kToTheMountDialog)
        ASSERT_EQ(driver.click(window, control), "") << qPrintable(window + '.' + control);
    ASSERT_EQ(driver.openModalWindow(), "Ultraschall-Sensor");
    const QString points = driver.controlProperty("Form12", "dp", "text");

    // The line comes and goes within a fraction of a second; the page notes that it came.
    ASSERT_TRUE(pageSays(driver, "(() => { const line = document.querySelector('[data-reconnecting]');"
                                 "  new MutationObserver(() => { if (!line.hidden) window.sawReconnecting = true; })"
                                 "    .observe(line, {attributes: true}); return true; })()"));
    ASSERT_GT(network.cut(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&driver] { return pageSays(driver, "window.sawReconnecting === true"); }, 8000))
        << "the page never said that the connection was lost";
    ASSERT_EQ(driver.settle(), "");
    EXPECT_TRUE(pageSays(driver, "document.querySelector('[data-reconnecting]').hidden"));
    EXPECT_EQ(driver.openModalWindow(), "Ultraschall-Sensor");
    EXPECT_EQ(driver.windowProperty("Form12", "shown"), "true");
    EXPECT_EQ(driver.controlProperty("Form12", "dp", "text"), points);

    ASSERT_EQ(driver.click("Form8", "aufmontiert"), "");
    ASSERT_EQ(driver.click("Form8", "ok"), "");
    const QString topMount = driver.controlProperty("Form12", "hlt2", "text");
    const QString pointsMounted = driver.controlProperty("Form12", "dp", "text");
    ASSERT_NE(topMount, "Aufmontiert") << "the sensor took the top mount";
    ASSERT_EQ(driver.reload(), "");
    EXPECT_EQ(driver.openModalWindow(), "");
    EXPECT_EQ(driver.windowProperty("Form12", "shown"), "true");
    EXPECT_EQ(driver.controlProperty("Form12", "ultraschall", "state"), "checked");
    EXPECT_EQ(driver.controlProperty("Form12", "hlt2", "text"), topMount);
    EXPECT_EQ(driver.controlProperty("Form12", "dp", "text"), pointsMounted);
}

} // namespace
} // namespace korvalde::scenario::browser
