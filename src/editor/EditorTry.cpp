// SPDX-License-Identifier: GPL-3.0-or-later
// Try: the course played in the window until Stop, and the keys that reach the view.
#include "editor/EditorWindow.h"

#include "editor/CourseView.h"
#include "editor/EditorDialogs.h"
#include "editor/FindingsPanel.h"
#include "editor/TryRunner.h"
#include "editor/model/CourseWriter.h"

#include <QAction>
#include <QKeyEvent>
#include <QStatusBar>

void EditorWindow::StartTry(bool demo)
{
    if (try_->Running())
        return;
    const std::string verdict = LoaderVerdict(PendingBytes(), {});
    if (!verdict.empty()) {
        dialogs_.ShowError(this, tr("The game would refuse this course, so it cannot be tried yet: %1")
                                     .arg(QString::fromStdString(verdict)));
        return;
    }
    if (!try_->Start(document_, demo)) {
        dialogs_.ShowError(this, tr("This course cannot be played with the present sheets."));
        return;
    }
    view_->SetImage(try_->Field());
    view_->setFocus();
    UpdateTryActions();
}

void EditorWindow::StopTry()
{
    if (!try_->Running())
        return;
    try_->Stop();
    statusBar()->clearMessage();
    UpdateTryActions();
    RenderField();
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (try_->Running() ? try_->Key(key) : ToolKey(key.key(), key.modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
