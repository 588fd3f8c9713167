// SPDX-License-Identifier: GPL-3.0-or-later
// The full repaint of the field: the course afresh, then every car in play on top.
#include "rules/GameRules.h"

#include "platform/Canvas.h"

#include <QImage>

void TGameRules::DrawWholeField(QImage& field) const
{
    Map->DrawField(field, MyCar->Score, HiScore, MyCar->Rest);
    brv::Canvas canvas(field);
    MyCar->Draw(canvas, false);
    for (int32_t i = 0; i < ActiveCars; ++i)
        Cars[static_cast<size_t>(i)]->Draw(canvas, false);
}
