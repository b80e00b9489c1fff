#include "sheet/sheet.h"

#include "model/application.h"
#include "sheet/mounts.h"
#include "sheet/numbertext.h"

#include <vector>

namespace korvalde::sheet {

namespace {

struct PanelField {
    QString name;
    QString placeholder; // the layout text; `snw`'s differs between pages
};

// The stat panel, row by row: a label and the fields beside it.
struct PanelRow {
    QString label;
    QString labelName;
    std::vector<PanelField> fields;
};

const QString kFrameField = QStringLiteral("typ"); // hidden below the panel
const QString kDamageField = QStringLiteral("snw");

const std::vector<PanelRow> &panelRows()
{
    static const std::vector<PanelRow> rows = {
        {"DP:", "lblDp", {{"dp", "0"}}},
        {"FKE: ", "lblFke", {{"fke", "0"}}},
        {"Powerniveau:", "lblPwn", {{"pwn", "0"}}},
        {"Schadensniveau: ", "lblSnw", {{kDamageField, ""}}},
        {"Feuermodi:", "lblPwr", {{"pwr", "XX"}}},
        {"Tarnstufe:", "lblTrn", {{"trn", "XX"}, {"trnkera", ""}}},
        {"Gewicht: ", "lblGew", {{"gew", "XXXX"}}},
        {"Munitionskapazität:", "lblCap", {{"cap", "XXXXX"}}},
        {"Lademechanismus:", "lblLmm", {{"lmm", "XXXXXX"}, {"Gurt", "/ -"}}},
        {"Verfügbare Halterungen:",
         "lblHlt",
         {{kBarrelMount.field, kBarrelMount.freeText},
          {kTopMount.field, kTopMount.freeText},
          {kUnderbarrelMount.field, kUnderbarrelMount.freeText}}},
        {"Rückstoßkompensation:", "lblKpd", {{"kpd", "0"}}},
    };
    return rows;
}

} // namespace

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
        fields.removeOne(kFrameField);
        return fields;
    }();
    return names;
}

void addStatPanel(Window &page, const QString &parent, const QString &snwPlaceholder)
{
    for (const PanelRow &row : panelRows()) {
        page.add(row.labelName, ControlKind::Label, row.label, {parent, false});
        for (const PanelField &field : row.fields) {
            const QString &placeholder = field.name == kDamageField ? snwPlaceholder : field.placeholder;
            page.add(field.name, ControlKind::TextField, placeholder, {parent, true});
        }
    }
    page.add(kFrameField, ControlKind::TextField, QString(), {parent, false}).setVisible(false);
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
