#include "sheet/sheet.h"

#include "model/application.h"
#include "sheet/fields.h"
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

const std::vector<PanelRow> &panelRows()
{
    static const std::vector<PanelRow> rows = {
        {"DP:", "lblDp", {{field::dp, "0"}}},
        {"FKE: ", "lblFke", {{field::fke, "0"}}},
        {"Powerniveau:", "lblPwn", {{field::powerLevel, "0"}}},
        {"Schadensniveau: ", "lblSnw", {{field::damageLevel, ""}}},
        {"Feuermodi:", "lblPwr", {{field::fireModes, "XX"}}},
        {"Tarnstufe:", "lblTrn", {{field::concealment, "XX"}, {field::ceramicConcealment, ""}}},
        {"Gewicht: ", "lblGew", {{field::weight, "XXXX"}}},
        {"Munitionskapazität:", "lblCap", {{field::capacity, "XXXXX"}}},
        {"Lademechanismus:", "lblLmm", {{field::loading, "XXXXXX"}, {field::belt, "/ -"}}},
        {"Verfügbare Halterungen:",
         "lblHlt",
         {{kBarrelMount.field, kBarrelMount.freeText},
          {kTopMount.field, kTopMount.freeText},
          {kUnderbarrelMount.field, kUnderbarrelMount.freeText}}},
        {"Rückstoßkompensation:", "lblKpd", {{field::recoilCompensation, "0"}}},
    };
    return rows;
}

} // namespace

const QStringList &handOffFields()
{
    static const QStringList names = {
        field::belt,
        field::frame,
        field::fke,
        field::dp,
        field::powerLevel,
        field::damageLevel,
        field::fireModes,
        field::concealment,
        field::ceramicConcealment,
        field::weight,
        field::capacity,
        field::loading,
        field::barrelMount,
        field::recoilCompensation,
        field::topMount,
        field::underbarrelMount,
    };
    return names;
}

const QStringList &handOffFieldsWithoutType()
{
    static const QStringList names = [] {
        QStringList fields = handOffFields();
        fields.removeOne(field::frame);
        return fields;
    }();
    return names;
}

void addStatPanel(Window &page, const QString &parent, const QString &snwPlaceholder)
{
    for (const PanelRow &row : panelRows()) {
        page.add(row.labelName, ControlKind::Label, row.label, {parent, false});
        for (const PanelField &field : row.fields) {
            const QString &placeholder = field.name == field::damageLevel ? snwPlaceholder : field.placeholder;
            page.add(field.name, ControlKind::TextField, placeholder, {parent, true});
        }
    }
    page.add(field::frame, ControlKind::TextField, QString(), {parent, false}).setVisible(false);
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
    page[field::fke].onChange([&page, forwardButton] {
        const std::optional<double> before = number(page, field::fke);
        if (before && *before < 0) {
            page[forwardButton].setEnabled(false);
            page.app().showMessage({kFkeMessage, kAppTitle, MessageIcon::None, {}});
        }
        const std::optional<double> after = number(page, field::fke);
        if (after && *after >= 0)
            page[forwardButton].setEnabled(true);
    });
}

} // namespace korvalde::sheet
