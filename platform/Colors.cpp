#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>

namespace {

// Which palette entry stands for each system colour. Qt has no role for the active window
// border, so it takes the palette's mid tone, which is what desktop themes draw frames with.
QPalette::ColorRole RoleOf(SystemColorIndex index) {
    switch (index) {
    case SystemColorIndex::Window: return QPalette::Base;
    case SystemColorIndex::WindowText: return QPalette::Text;
    case SystemColorIndex::ActiveBorder: return QPalette::Mid;
    case SystemColorIndex::BtnFace: return QPalette::Button;
    case SystemColorIndex::BtnShadow: return QPalette::Dark;
    case SystemColorIndex::BtnText: return QPalette::ButtonText;
    case SystemColorIndex::BtnHighlight: return QPalette::Light;
    case SystemColorIndex::InfoBk: return QPalette::ToolTipBase;
    case SystemColorIndex::MenuBar: return QPalette::Window;
    }
    return QPalette::Window;
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color))
        return color;
    const auto index = static_cast<SystemColorIndex>(color & 0xFF);
    return FromQColor(QApplication::palette().color(QPalette::Active, RoleOf(index)));
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGBColor(color.red(), color.green(), color.blue()); }
