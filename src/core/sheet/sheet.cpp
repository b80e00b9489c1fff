#include "sheet/sheet.h"

#include "model/application.h"
#include "sheet/numbertext.h"

namespace korvalde::sheet {

const QStringList &fieldNames()
{
    static const QStringList names = {
        "typ", "dp",  "fke", "pwn",  "snw", "pwr",  "trn",  "trnkera",
        "gew", "cap", "lmm", "Gurt", "hlt", "hlt2", "hlt3", "kpd",
    };
    return names;
}

const QStringList &handOffFields()
{
    static const QStringList names = {
        "Gurt",    "typ", "fke", "dp",  "pwn", "snw", "pwr",  "trn",
        "trnkera", "gew", "cap", "lmm", "hlt", "kpd", "hlt2", "hlt3",
    };
    return names;
}

const QStringList &handOffFieldsWithoutType()
{
    static const QStringList names = [] {
        QStringList fields = handOffFields();
        fields.removeOne("typ");
        return fields;
    }();
    return names;
}

namespace {

struct PanelRow {
    QString label;
    QString labelName;
    QStringList fields;
};

} // namespace

void addStatPanel(Window &page, const QString &parent, const QString &snwPlaceholder)
{
    const QHash<QString, QString> placeholders = {
        {"typ", ""},
        {"dp", "0"},
        {"fke", "0"},
        {"pwn", "0"},
        {"snw", snwPlaceholder},
        {"pwr", "XX"},
        {"trn", "XX"},
        {"trnkera", ""},
        {"gew", "XXXX"},
        {"cap", "XXXXX"},
        {"lmm", "XXXXXX"},
        {"Gurt", "/ -"},
        {"hlt", "Lauf"},
        {"hlt2", "Aufmontiert"},
        {"hlt3", "Unterlauf"},
        {"kpd", "0"},
    };
    const PanelRow rows[] = {
        {"DP:", "lblDp", {"dp"}},
        {"FKE: ", "lblFke", {"fke"}},
        {"Powerniveau:", "lblPwn", {"pwn"}},
        {"Schadensniveau: ", "lblSnw", {"snw"}},
        {"Feuermodi:", "lblPwr", {"pwr"}},
        {"Tarnstufe:", "lblTrn", {"trn", "trnkera"}},
        {"Gewicht: ", "lblGew", {"gew"}},
        {"Munitionskapazität:", "lblCap", {"cap"}},
        {"Lademechanismus:", "lblLmm", {"lmm", "Gurt"}},
        {"Verfügbare Halterungen:", "lblHlt", {"hlt", "hlt2", "hlt3"}},
        {"Rückstoßkompensation:", "lblKpd", {"kpd"}},
    };
    for (const PanelRow &row : rows) {
        page.add(row.labelName, ControlKind::Label, row.label, {parent, false});
        for (const QString &field : row.fields)
            page.add(field, ControlKind::TextField, placeholders.value(field), {parent, true});
    }
    page.add("typ", ControlKind::TextField, QString(), {parent, false}).setVisible(false);
}

std::optional<double> number(const Window &page, const QString &field)
{
    return parseNumber(page[field].text());
}

void add(Window &page, const QString &field, double amount)
{
    const std::optional<double> value = number(page, field);
    if (!value)
        return;
    page[field].setText(formatNumber(*value + amount));
}

void copy(const Window &from, Window &to, const QStringList &fields)
{
    for (const QString &field : fields)
        to[field].setText(from[field].text());
}

void installFkeGuard(Window &page, const QString &forwardButton)
{
    page["fke"].onChange([&page, forwardButton] {
        const std::optional<double> before = number(page, "fke");
        if (before && *before < 0) {
            page[forwardButton].setEnabled(false);
            page.app().showMessage({kFkeMessage, kAppTitle, MessageIcon::None, {}});
        }
        const std::optional<double> after = number(page, "fke");
        if (after && *after >= 0)
            page[forwardButton].setEnabled(true);
    });
}

} // namespace korvalde::sheet
