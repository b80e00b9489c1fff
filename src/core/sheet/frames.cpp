#include "sheet/frames.h"

#include "sheet/numbertext.h"

namespace korvalde {

const std::array<FrameEntry, 14> &frameCatalogue()
{
    // The runs of blanks in the captions line the brackets up on the start page.
    static const std::array<FrameEntry, 14> catalogue = {{
        {1, "Holdout Pistole", "Hold-Out Pistole                ( FKE: 1  |  DP: 25 )", "1", "25"},
        {2, "Leichte Pistole", "Leichte Pistole                  ( FKE: 1.5  |  DP: 90 )", "1,5", "90"},
        {3, "Automatische Pistole", "Automatische Pistole        ( FKE: 1  |  DP: 180 )", "1", "180"},
        {4, "Schwere Pistole", "Schwere Pistole               ( FKE: 2  |  DP: 120 )", "2", "120"},
        {5, "Maschinenpistole", "Maschinenpistole             ( FKE: 1.5  |  DP: 100 )", "1,5", "100"},
        {6, "Schrotflinte", "Schrotflinte                       ( FKE: 2,5  |  DP:130 )", "2,5", "130"},
        {7, "Taser", "Taser                                ( FKE: 1  |  DP:200 )", "1", "200"},
        {8, "Sportgewehr", "Sportgewehr                     ( FKE: 2,5  |  DP:125 )", "2,5", "125"},
        {9, "Sturmgewehr", "Sturmgewehr                     ( FKE: 3  |  DP:225 )", "3", "225"},
        {10, "Scharfschützengewehr", "Scharfschützengewehr     ( FKE: 2,5  |  DP:800 )", "2,5", "800"},
        {11, "LMG", "LMG                                  ( FKE: 4  |  DP:425 )", "4", "425"},
        {12, "MMG", "MMG                                 ( FKE: 4  |  DP:700 )", "4", "700"},
        {13, "SMG", "SMG                                 ( FKE: 4  |  DP:1000 )", "4", "1000"},
        {14, "Sturmkanone", "Sturmkanone                    ( FKE: 4  |  DP:1400 )", "4", "1400"},
    }};
    return catalogue;
}

double FrameEntry::baseDp() const
{
    return parseNumber(dp).value_or(0);
}

const FrameEntry *findFrame(const QString &name)
{
    for (const FrameEntry &frame : frameCatalogue()) {
        if (frame.name == name)
            return &frame;
    }
    return nullptr;
}

} // namespace korvalde
