// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunningGame.h"

#include <QCoreApplication>
#include <QTest>

namespace testing_ui {

bool RunningGame::Start(bool show, const std::string& courseFile)
{
    SettingsPlaces places = Files.Places();
    places.DataDir = DataDir;
    Form = std::make_unique<TBrevantoForm>(places, Seam);
    if (!Form->FormCreate(courseFile))
        return false;
    if (show) {
        Form->show();
        Form->activateWindow();
        if (!QTest::qWaitForWindowActive(Form.get()))
            return false;
        Settle();
    }
    return true;
}

bool RunningGame::StartPausedGame()
{
    if (!Start())
        return false;
    Form->New1Click();
    Form->SetRunning(false);
    return true;
}

void RunningGame::Settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(10);
    }
}

} // namespace testing_ui
