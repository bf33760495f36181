#pragma once
// Font faces. The window and the calendar name their faces as the classic Chinese desktop
// does ("MS Sans Serif", "宋体", "黑体", "Arial", "Arial Black"); at start-up each name is
// mapped once to installed faces, so a QFont made with that name finds a face that has the
// glyphs.

#include <QFont>
#include <QString>

void InstallFontSubstitutions();

// A font as the classic class library describes one: a negative height is the character
// height in pixels (the em size), a positive one the cell height including internal leading.
QFont MakeFont(const QString& face, int height, bool bold = false);
