// Every page and dialog reads fully for every frame: no caption or value is cut, no
// control is squeezed below its height or lies on another, and the largest page fits a
// 1366 x 768 screen. The test run repeats this at 200% scaling.

#include "pages/page5/mountdialogs.h"
#include "programfixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTemporaryDir>

#include <optional>

namespace korvalde::test {

namespace {

// What a 1366 x 768 screen leaves a window below a panel and its own title bar.
constexpr QSize kScreenRoom(1366, 768 - 32 - 40);

QString plainCaption(const QString &caption)
{
    return QString(caption).remove('&');
}

// The width the widget gives its caption or value, and the text that must fit into it.
struct TextRoom {
    QString text;
    int width = 0;
};

std::optional<TextRoom> roomOf(QWidget &widget)
{
    const QStyle &style = *widget.style();
    QStyleOptionButton button;
    button.initFrom(&widget);
    if (auto *box = qobject_cast<QCheckBox *>(&widget)) {
        return TextRoom{plainCaption(box->text()),
                        style.subElementRect(QStyle::SE_CheckBoxContents, &button, box).width()};
    }
    if (auto *option = qobject_cast<QRadioButton *>(&widget)) {
        return TextRoom{plainCaption(option->text()),
                        style.subElementRect(QStyle::SE_RadioButtonContents, &button, option).width()};
    }
    if (auto *push = qobject_cast<QPushButton *>(&widget)) {
        return TextRoom{plainCaption(push->text()),
                        style.subElementRect(QStyle::SE_PushButtonContents, &button, push).width()};
    }
    if (auto *label = qobject_cast<QLabel *>(&widget))
        return TextRoom{label->text(), label->contentsRect().width()};
    if (auto *field = qobject_cast<QLineEdit *>(&widget)) {
        QStyleOptionFrame frame;
        frame.initFrom(field);
        frame.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
        const QRect contents = style.subElementRect(QStyle::SE_LineEditContents, &frame, field);
        const QMargins margins = field->textMargins();
        // The line edit keeps two pixels free on either side of its text.
        return TextRoom{field->text(), contents.width() - margins.left() - margins.right() - 4};
    }
    if (auto *combo = qobject_cast<QComboBox *>(&widget)) {
        QStyleOptionComboBox box;
        box.initFrom(combo);
        const QRect edit = style.subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, combo);
        return TextRoom{combo->currentText(), edit.width()};
    }
    if (auto *frame = qobject_cast<QGroupBox *>(&widget))
        return TextRoom{frame->title(), frame->contentsRect().width()};
    return std::nullopt;
}

class CaptionsTest : public ProgramFixture, public ::testing::WithParamInterface<int> {
protected:
    void expectReadable(const QString &windowName)
    {
        QWidget *root = frontend.windowWidget(windowName);
        root->window()->layout()->activate();
        settle();
        if (root->window() == &frontend.mainWindow()) {
            EXPECT_LE(root->window()->width(), kScreenRoom.width()) << qPrintable(windowName);
            EXPECT_LE(root->window()->height(), kScreenRoom.height()) << qPrintable(windowName);
        }
        for (const auto &control : app->find(windowName)->controls()) {
            QWidget *shown = frontend.widget(windowName, control->name());
            if (shown == nullptr || !shown->isVisibleTo(root))
                continue;
            const QString where = windowName + '.' + control->name();
            EXPECT_GE(shown->height(), shown->minimumSizeHint().height()) << qPrintable(where) << " is squeezed";
            if (const auto room = roomOf(*shown)) {
                EXPECT_LE(shown->fontMetrics().horizontalAdvance(room->text), room->width)
                    << qPrintable(where) << " cuts \"" << qPrintable(room->text) << '"';
            }
            expectNoOverlapWithLaterSiblings(*shown, root, where);
        }
    }

    static void expectNoOverlapWithLaterSiblings(QWidget &widget, QWidget *root, const QString &where)
    {
        const QWidget *parent = widget.parentWidget();
        bool later = false;
        for (QObject *child : parent->children()) {
            auto *sibling = qobject_cast<QWidget *>(child);
            if (sibling == &widget) {
                later = true;
            } else if (later && sibling != nullptr && !sibling->objectName().isEmpty() && sibling->isVisibleTo(root)) {
                EXPECT_FALSE(widget.geometry().intersects(sibling->geometry()))
                    << qPrintable(where) << " lies on " << qPrintable(sibling->objectName());
            }
        }
    }

    // Every mount dialog the frame's page 5 can open, each closed again with Escape.
    void expectDialogsReadable()
    {
        for (const page5::MountDialog &dialog : page5::mountDialogs()) {
            auto *accessory = qobject_cast<QAbstractButton *>(frontend.widget("Form12", dialog.accessory));
            if (!accessory->isEnabled() || !accessory->isVisible())
                continue;
            click("Form12", dialog.accessory);
            ASSERT_TRUE(frontend.isOnScreen(dialog.window)) << qPrintable(dialog.window);
            expectReadable(dialog.window);
            QTest::keyClick(frontend.windowWidget(dialog.window), Qt::Key_Escape);
            settle();
        }
    }
};

TEST_P(CaptionsTest, EveryPageAndDialogReadsFully)
{
    chooseFrame(GetParam());
    for (const WindowRow &page : wizard()) {
        ASSERT_EQ(frontPage(), page.name);
        expectReadable(page.name);
        if (page.name == QLatin1String("Form12"))
            expectDialogsReadable();
        if (!page.next.isEmpty())
            goForward();
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, CaptionsTest, ::testing::Range(1, 15));

class LongNames : public ProgramFixture {};

// A name as long as the user once typed it, reopened from the sheet, scrolls within its
// field as it did while typed: the page stays on the screen with every button on it.
TEST_F(LongNames, AReopenedLongNameKeepsThePageOnTheScreen)
{
    QTemporaryDir folder;
    const QString sheet = folder.filePath("lang.txt");
    dialogs.answerSave(sheet);
    chooseFrame(9);
    for (int step = 0; step < 5; ++step)
        goForward();
    auto *name = qobject_cast<QLineEdit *>(frontend.widget("Form5", "waffenname"));
    QApplication::clipboard()->setText(QStringLiteral("Ein sehr langer Name ").repeated(50));
    name->selectAll();
    QTest::keySequence(name, QKeySequence::Paste);
    click("Form5", "cmdSave");
    click("Form5", "Command1");
    frontend.openSheet(sheet);
    settle();
    ASSERT_EQ(frontPage(), "Form5");
    ASSERT_TRUE(app->find("Form5")->find("waffenname")->text().startsWith("Ein sehr langer Name"));
    QWidget &window = frontend.mainWindow();
    window.layout()->activate();
    settle();
    EXPECT_LE(window.width(), kScreenRoom.width());
    for (QPushButton *button : frontend.windowWidget("Form5")->findChildren<QPushButton *>()) {
        const QRect onWindow(button->mapTo(&window, QPoint(0, 0)), button->size());
        EXPECT_TRUE(window.rect().contains(onWindow)) << qPrintable(button->objectName());
    }
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join('\n'));
}

} // namespace

} // namespace korvalde::test
