#pragma once
// The window icon: a red name seal with the character 名, drawn at each size it is shown at.

#include <QIcon>

QIcon MakeAppIcon();
