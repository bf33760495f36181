#include "platform/Fonts.h"

#include <QStringList>
#include <array>

namespace {

struct FaceSubstitution {
    const char* face;
    std::array<const char*, 3> installed; // tried in order
};

// Serif CJK for the song face, sans CJK for the black face and the dialog face (whose Latin
// letters are plain sans), and metric-compatible sans faces for the Latin ones.
constexpr std::array<FaceSubstitution, 5> kSubstitutions{{
    {"MS Sans Serif", {"Noto Sans CJK SC", "DejaVu Sans", "Sans Serif"}},
    {"宋体", {"Noto Serif CJK SC", "Noto Sans CJK SC", "Serif"}},
    {"黑体", {"Noto Sans CJK SC", "DejaVu Sans", "Sans Serif"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans", "Noto Sans CJK SC"}},
    {"Arial Black", {"DejaVu Sans", "Liberation Sans", "Noto Sans CJK SC"}},
}};

} // namespace

void InstallFontSubstitutions() {
    for (const auto& s : kSubstitutions) {
        QStringList faces;
        for (const char* f : s.installed)
            faces << QString::fromUtf8(f);
        QFont::insertSubstitutions(QString::fromUtf8(s.face), faces);
    }
}

QFont MakeFont(const QString& face, int height, bool bold) {
    QFont font(face);
    // Internal leading is about a fifth of the cell in the faces we map to.
    const int pixels = height < 0 ? -height : (height * 4 + 2) / 5;
    if (pixels > 0)
        font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
