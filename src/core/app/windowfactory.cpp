#include "app/windowfactory.h"

#include "app/startpage.h"
#include "pages/completion/completion.h"
#include "pages/page2/page2.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/page5.h"

#include <stdexcept>

namespace korvalde {

const QStringList &windowNames()
{
    static const QStringList names = {"Form1", "Form2", "Form3", "Form4", "Form12", "Form5",
                                      "form6", "Form7", "Form8", "Form9", "Form10", "Form11"};
    return names;
}

std::unique_ptr<Window> createWindow(Application &app, const QString &name)
{
    if (name == "Form1")
        return createStartPage(app);
    if (name == "Form2")
        return createPage2(app);
    if (name == "Form3")
        return createPage3(app);
    if (name == "Form4")
        return createPage4(app);
    if (name == "Form12")
        return createPage5(app);
    if (name == "Form5")
        return createCompletionPage(app);
    if (windowNames().contains(name))
        return createMountDialog(app, name);
    throw std::logic_error("no window " + name.toStdString());
}

std::unique_ptr<Application> startKorvalde(Platform &platform)
{
    auto app = std::make_unique<Application>(platform, createWindow, windowNames());
    app->start("Form1");
    return app;
}

} // namespace korvalde
