#include "page4_fixture.h"

using namespace korvalde;
using korvalde::test::Page4Test;

namespace {

const QStringList kFields = {"dp", "fke", "trn", "gew", "kpd", "pwn", "hlt"};
const QStringList kPlain = {"500", "2", "5", "4", "0", "8", "Lauf"};

struct AccessoryCase {
    int frame; // a frame that offers the box
    QString box;
    QStringList afterCheck; // dp, fke, trn, gew, kpd, pwn, hlt
};

const AccessoryCase kAccessories[] = {
    {4, "griff", {"525", "2", "5", "4", "1", "8", "Lauf"}},
    {4, "sicherung", {"530", "2", "5", "4", "0", "8", "Lauf"}},
    {4, "abzug", {"550", "1,5", "5", "4", "0", "8", "Lauf"}},
    {4, "schulter", {"540", "2", "4", "4,5", "1", "8", "Lauf"}},
    {3, "suppressor", {"650", "1,75", "3", "4,5", "0", "8", "Lauf"}},
    {11, "hüft", {"540", "2", "1", "6", "1", "8", "Lauf"}},
    {11, "schock", {"540", "2", "5", "6,5", "1", "8", "Lauf"}},
    {6, "abgesägte", {"508", "2", "7", "3", "0", "7", ""}},
    {11, "dreibein", {"620", "2", "5", "12", "6", "8", "Lauf"}},
    {11, "zweibein", {"580", "2", "5", "6", "2", "8", "Lauf"}},
    {4, "vordergriff", {"550", "2", "4", "4,5", "1", "8", "Lauf"}},
    {4, "unterlaufgewicht", {"525", "1,75", "4", "5", "1", "8", "Lauf"}},
};

} // namespace

TEST_F(Page4Test, AccessoriesApplyTheirValuesAndGiveExactlyThemBack)
{
    for (const AccessoryCase &accessory : kAccessories) {
        SCOPED_TRACE(accessory.box.toStdString());
        app = startKorvalde(platform);
        openPage4(accessory.frame);
        click(accessory.box);
        EXPECT_EQ(texts(kFields), accessory.afterCheck);
        click(accessory.box);
        EXPECT_EQ(texts(kFields), kPlain);
    }
}

TEST_F(Page4Test, SilencerCostsWhereTheFireModeOffersIt)
{
    openPage4(4);
    // The silencer is page 2's to offer; offer it as a single-shot weapon would.
    page4()["schall"].setVisible(true);
    click("schall");
    EXPECT_EQ(texts(kFields), QStringList({"600", "1,75", "3", "4,2", "0", "8", "Lauf"}));
    click("schall");
    EXPECT_EQ(texts(kFields), kPlain);
}

TEST_F(Page4Test, HipAndShockPadsExcludeEachOther)
{
    openPage4(11);
    click("hüft");
    EXPECT_FALSE(page4()["schock"].isEnabled());
    click("hüft");
    click("schock");
    EXPECT_FALSE(page4()["hüft"].isEnabled());
    click("schock");
    EXPECT_TRUE(page4()["hüft"].isEnabled());
    EXPECT_TRUE(page4()["schock"].isEnabled());
}

TEST_F(Page4Test, AnUnderbarrelAccessoryTakesTheMountAndShutsOutTheOthers)
{
    openPage4(11);
    const QStringList others = {"dreibein", "zweibein", "unterlaufgewicht", "unterlaufwaffe"};
    click("vordergriff");
    EXPECT_EQ(page4()["hlt3"].text(), "");
    EXPECT_FALSE(page4()["hlt3"].isEnabled());
    for (const QString &box : others)
        EXPECT_FALSE(page4()[box].isEnabled()) << box.toStdString();
    page4()["hlt3"].setText("anything");
    click("vordergriff");
    EXPECT_EQ(page4()["hlt3"].text(), "Unterlauf");
    EXPECT_TRUE(page4()["hlt3"].isEnabled());
    for (const QString &box : others)
        EXPECT_TRUE(page4()[box].isEnabled()) << box.toStdString();
}

TEST_F(Page4Test, WithdrawingTheUnderbarrelWeaponWithdrawsItsVariant)
{
    openPage4(11);
    const QStringList weapons = {"bajonett", "enterhaken", "flammenwerfer", "granatwerfer"};
    click("unterlaufwaffe");
    // The weapon box itself costs nothing but uses the mount.
    EXPECT_EQ(texts(kFields), kPlain);
    EXPECT_FALSE(page4()["hlt3"].isEnabled());
    EXPECT_FALSE(page4()["zweibein"].isEnabled());
    click("granatwerfer");
    EXPECT_EQ(texts({"dp", "fke", "trn", "gew"}), QStringList({"860", "1,75", "2", "6"}));
    for (const QString &other : QStringList{"bajonett", "enterhaken", "flammenwerfer"})
        EXPECT_FALSE(page4()[other].isEnabled()) << other.toStdString();
    click("unterlaufwaffe");
    EXPECT_EQ(texts(kFields), kPlain);
    EXPECT_EQ(page4()["hlt3"].text(), "Unterlauf");
    for (const QString &weapon : weapons) {
        EXPECT_TRUE(page4()[weapon].isUnchecked()) << weapon.toStdString();
        EXPECT_FALSE(page4()[weapon].isEnabled()) << weapon.toStdString();
    }
}

TEST_F(Page4Test, EachUnderbarrelWeaponHasItsOwnCost)
{
    const std::pair<QString, QStringList> weapons[] = {
        {"bajonett", {"510", "1,75", "4", "4,75"}},
        {"enterhaken", {"600", "1,75", "4", "6"}},
        {"flammenwerfer", {"740", "1,75", "5", "4"}},
    };
    openPage4(11);
    click("unterlaufwaffe");
    for (const auto &[weapon, after] : weapons) {
        click(weapon);
        EXPECT_EQ(texts({"dp", "fke", "trn", "gew"}), after) << weapon.toStdString();
        click(weapon);
        EXPECT_EQ(texts({"dp", "fke", "trn", "gew"}), QStringList({"500", "2", "5", "4"}));
    }
}

TEST_F(Page4Test, TheSecondaryWeaponBuysTheSafetyAndItsVariantsHangOnIt)
{
    openPage4(4);
    const QStringList variants = {"griffdornen", "sprühsystem", "elektroshock"};
    for (const QString &variant : variants)
        EXPECT_FALSE(page4()[variant].isEnabled());
    click("sekundär");
    EXPECT_TRUE(page4()["bio"].isChecked());
    EXPECT_EQ(texts({"dp", "fke", "gew"}), QStringList({"1400", "1", "4,5"}));
    click("elektroshock");
    EXPECT_FALSE(page4()["griffdornen"].isEnabled());
    EXPECT_FALSE(page4()["sprühsystem"].isEnabled());
    // Withdrawing the safety withdraws everything built on it.
    click("bio");
    EXPECT_EQ(texts({"dp", "fke", "gew"}), QStringList({"500", "2", "4"}));
    EXPECT_FALSE(page4()["sekundär"].isEnabled());
    EXPECT_TRUE(page4()["sekundär"].isUnchecked());
    for (const QString &variant : variants) {
        EXPECT_TRUE(page4()[variant].isUnchecked());
        EXPECT_FALSE(page4()[variant].isEnabled());
    }
    click("bio");
    EXPECT_EQ(texts({"dp", "fke"}), QStringList({"950", "1,75"}));
    EXPECT_TRUE(page4()["sekundär"].isEnabled());
}

TEST_F(Page4Test, AutomaticModeRewritesSemiAutomaticAndRefundsOnlyWhatItCharged)
{
    const struct {
        QString fireModes;
        QString checked;
        QStringList afterCheck; // dp, fke
    } cases[] = {
        {"HM/SM", "HM/AM", {"620", "1"}},
        {"SM", "AM", {"620", "1"}},
        {"AM", "AM", {"500", "2"}},
        {"HM", "HM", {"500", "2"}},
    };
    for (const auto &fireModes : cases) {
        SCOPED_TRACE(fireModes.fireModes.toStdString());
        app = startKorvalde(platform);
        Sheet sheet = plainSheet();
        sheet.push_back({"pwr", fireModes.fireModes});
        openPage4(3, sheet);
        click("automodus");
        EXPECT_EQ(page4()["pwr"].text(), fireModes.checked);
        EXPECT_EQ(texts({"dp", "fke"}), fireModes.afterCheck);
        click("automodus");
        EXPECT_EQ(page4()["pwr"].text(), fireModes.fireModes);
        EXPECT_EQ(texts({"dp", "fke"}), QStringList({"500", "2"}));
    }
}

TEST_F(Page4Test, TheEnlargedClipMovesWithThePickedSizeAndKeepsDpRight)
{
    openPage4(4);
    EXPECT_EQ(page4()["vergrößert"].text(), "0");
    EXPECT_EQ(page4()["vergrößert"].items().size(), 50);
    EXPECT_EQ(page4()["vergrößert"].items().first(), "01");
    EXPECT_EQ(page4()["vergrößert"].items().last(), "50");
    pick("20");
    EXPECT_TRUE(page4()["ladestreifen"].isChecked());
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"20", "505"}));
    pick("30");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"30", "515"}));
    pick("08");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"08", "493"}));
    click("ladestreifen");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"15", "500"}));
    // Checking again by hand puts the shown size back on.
    click("ladestreifen");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"08", "493"}));
}

TEST_F(Page4Test, CheckingTheClipWithNoSizePickedAppliesNothingUntilAPick)
{
    openPage4(4);
    click("ladestreifen");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"15", "500"}));
    click("ladestreifen");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"15", "500"}));
    click("ladestreifen");
    pick("25");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"25", "510"}));
    click("ladestreifen");
    EXPECT_EQ(texts({"cap", "dp"}), QStringList({"15", "500"}));
}

TEST_F(Page4Test, ForwardHandsTheUsedMountsToPage5AndTheDialogs)
{
    openPage4(11);
    click("zweibein");
    // As if earlier pages had used the barrel and the top mount.
    page4()["hlt"].setEnabled(false);
    page4()["hlt2"].setEnabled(false);
    click("Command2");
    Window &page5 = *app->find("Form12");
    EXPECT_TRUE(page5.isShown());
    EXPECT_TRUE(page5["Check2"].isChecked());
    EXPECT_FALSE(page5["hlt3"].isEnabled());
    EXPECT_FALSE(page5["hlt2"].isEnabled());
    EXPECT_FALSE(page5["hlt"].isEnabled());
    EXPECT_TRUE(page5["Check1"].isUnchecked());
    for (const QString &dialog : QStringList{"form6", "Form7", "Form8", "Form9", "Form10", "Form11"}) {
        ASSERT_NE(app->find(dialog), nullptr) << dialog.toStdString();
        EXPECT_FALSE((*app->find(dialog))["unterlauf"].isEnabled()) << dialog.toStdString();
        EXPECT_FALSE((*app->find(dialog))["aufmontiert"].isEnabled()) << dialog.toStdString();
    }
}

TEST_F(Page4Test, ForwardWithFreeMountsLeavesPage5Untouched)
{
    openPage4(11);
    click("griff");
    click("Command2");
    Window &page5 = *app->find("Form12");
    EXPECT_TRUE(page5["Check2"].isUnchecked());
    for (const QString &mount : QStringList{"hlt", "hlt2", "hlt3"})
        EXPECT_TRUE(page5[mount].isEnabled()) << mount.toStdString();
    EXPECT_EQ(page5["dp"].text(), "525");
    EXPECT_EQ(page5["kpd"].text(), "1");
}
