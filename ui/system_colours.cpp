#include "zorimex/ui/system_colours.h"

#include <array>
#include <optional>

namespace zorimex::ui {
namespace {

struct SystemColourEntry {
    QStringView name;
    std::optional<QPalette::ColorRole> role;
    QRgb classicValue; // the Windows classic scheme's value, used when there is no role
};

// Roles where Qt has a colour with the same meaning; otherwise the classic desktop scheme's value,
// which the artwork was drawn against.
const std::array<SystemColourEntry, 9> kSystemColours{{
    {u"ActiveTitleBar", std::nullopt, 0x0A246A},
    {u"InactiveTitleBar", std::nullopt, 0x808080},
    {u"InactiveTitleBarText", std::nullopt, 0xD4D0C8},
    {u"ScrollBar", std::nullopt, 0xD4D0C8},
    {u"InfoBackground", QPalette::ToolTipBase, 0},
    {u"ButtonFace", QPalette::Button, 0},
    {u"ButtonText", QPalette::ButtonText, 0},
    {u"WindowBackground", QPalette::Base, 0},
    {u"WindowText", QPalette::Text, 0},
}};

const SystemColourEntry* FindEntry(QStringView name) {
    for (const auto& entry : kSystemColours)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace

QColor DesignColour(QStringView name, const QPalette& palette) {
    if (name.startsWith(u'#'))
        return QColor::fromString(name);
    const auto* entry = FindEntry(name);
    if (!entry)
        return {};
    if (entry->role)
        return palette.color(QPalette::Active, *entry->role);
    return QColor::fromRgb(entry->classicValue);
}

} // namespace zorimex::ui
