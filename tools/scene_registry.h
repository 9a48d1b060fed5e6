#pragma once
// Screenshot scenes: each file in tools/scenes registers one or more scenes
// that open real windows offscreen, drive them, and save PNGs.
#include "ui/app_context_qt.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace sonrel::shots {

using Scene = std::function<void(AppContext& app, const QString& dir)>;

bool registerScene(const char* name, Scene scene);

// Saves a picture of the window (its widgets rendered as on screen).
void saveWindow(QWidget* window, const QString& path);

// Processes pending events for a while so layouts and repaints settle.
void settle(int ms = 50);

} // namespace sonrel::shots
