#pragma once
// What the widget tests' browser and error box were asked to show since the last ClearRecorded.

#include <QStringList>

QStringList& OpenedUrls();
QStringList& ErrorMessages();
void ClearRecorded();
