// SPDX-License-Identifier: GPL-3.0-or-later
// File > Choose Course...: the program's courses and the player's own, each with its picture,
// description and facts; Enter on one plays it as Load Course does; a broken one says why.
#include "support/RunningGame.h"

#include "game/ui/CourseCards.h"
#include "game/ui/CourseChooser.h"

#include "config/model/AddedTexts.h"
#include "platform/IniFile.h"
#include "platform/Sheets.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace testing_ui;

namespace {

struct ChooserGame : RunningGame {
    ChooserGame() { DataDir = Files.Path("data") + "/"; }
    std::string OwnCourse(const std::string& name) const { return DataDir + "courses/" + name; }
};

QListWidgetItem* ItemNamed(const CourseChooser& chooser, const QString& name)
{
    for (int i = 0; i < chooser.Courses->count(); ++i)
        if (chooser.Courses->item(i)->text().startsWith(name))
            return chooser.Courses->item(i);
    return nullptr;
}

} // namespace

class CourseChooserTest : public QObject {
    Q_OBJECT

private slots:
    void listsBothFoldersAndPlaysAnOwnCourseOnEnter()
    {
        ChooserGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        // The folder for the player's own courses is made when the chooser first opens.
        QVERIFY(!QDir(QString::fromStdString(game.OwnCourse(""))).exists());
        form.ChooseCourse1->trigger();
        QVERIFY(QDir(QString::fromStdString(game.OwnCourse(""))).exists());
        game.Files.Write("data/courses/MINE.DAT", "; My very own ring\n" + RingCourse(12, 6, 3));

        int listed = 0;
        QString description;
        QString facts;
        bool pictured = false;
        game.Seam.DialogAnswer = [&](QDialog& dialog) -> int {
            auto& chooser = dynamic_cast<CourseChooser&>(dialog);
            listed = chooser.Courses->count();
            // The course in play starts selected.
            if (chooser.ChosenPath() != QString::fromStdString(form.Rules.MapName))
                return QDialog::Rejected;
            QListWidgetItem* mine = ItemNamed(chooser, QStringLiteral("MINE.DAT"));
            if (!mine)
                return QDialog::Rejected;
            description = mine->data(CourseChooser::DescriptionRole).toString();
            facts = mine->data(CourseChooser::FactsRole).toString();
            pictured = !mine->data(Qt::DecorationRole).value<QPixmap>().isNull();
            chooser.show();
            chooser.Courses->setFocus();
            QTest::keyClick(chooser.Courses, Qt::Key_Right);
            QTest::keyClick(chooser.Courses, Qt::Key_Return);
            return chooser.result();
        };
        form.ChooseCourse1->trigger();
        QCOMPARE(listed, 2);
        QCOMPARE(description, QStringLiteral("My very own ring"));
        QCOMPARE(facts, QStringLiteral("12 x 6 tiles, 3 computer cars"));
        QVERIFY(pictured);
        QCOMPARE(form.Rules.MapName, game.OwnCourse("MINE.DAT"));
        QVERIFY(form.Rules.Demo);
        QCOMPARE(form.Rules.Map->MapWidth, 12);
        QVERIFY(game.Seam.Boxes.empty());
    }

    void aBrokenCourseSaysWhyAndPlayStaysOnTheCourseItHad()
    {
        ChooserGame game;
        game.Files.Write("BROKEN.DAT", "; Not finished\n[DEFINE]\nMapSize=4,4\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const std::string before = form.Rules.MapName;
        QString error;
        game.Seam.DialogAnswer = [&](QDialog& dialog) -> int {
            auto& chooser = dynamic_cast<CourseChooser&>(dialog);
            QListWidgetItem* broken = ItemNamed(chooser, QStringLiteral("BROKEN.DAT"));
            if (!broken)
                return QDialog::Rejected;
            error = broken->data(CourseChooser::DescriptionRole).toString();
            chooser.Courses->setCurrentItem(broken);
            return QDialog::Accepted;
        };
        form.ChooseCourse1->trigger();
        QVERIFY(!error.isEmpty());
        QCOMPARE(game.Seam.CountOf(QStringLiteral("error")), 1);
        QVERIFY2(game.Seam.Boxes[0].Text.startsWith(error), qPrintable(game.Seam.Boxes[0].Text));
        QCOMPARE(form.Rules.MapName, before);
    }

    void everyShippedCourseHasItsPictureDescriptionAndFacts()
    {
        const std::string assets = BREVANTO_ASSETS_DIR "/";
        brv::LoadedSheets sheets =
            brv::LoadSheets(assets + "GROUND.BMP", assets + "MYCAR.BMP", 0, true);
        CourseCardSource source;
        source.Ground = &sheets.Ground;
        source.Car = &sheets.Car;
        source.GroundBgr = sheets.GroundColor;
        const std::vector<CourseCard> cards =
            BuildCourseCards(ListCourses(assets, ""), source, AddedTexts(assets + "LANGUAGE.INI", 1));
        QCOMPARE(cards.size(), size_t{10});
        for (const CourseCard& card : cards) {
            QVERIFY2(card.Error.isEmpty(), qPrintable(card.Name + card.Error));
            QVERIFY2(!card.Picture.isNull(), qPrintable(card.Name));
            QVERIFY2(!card.Description.isEmpty(), qPrintable(card.Name));
            QVERIFY2(card.Facts.contains(QStringLiteral("computer cars")), qPrintable(card.Facts));
            QCOMPARE(card.Best, QStringLiteral("No hi-score yet"));
        }
    }
};

QTEST_MAIN(CourseChooserTest)
#include "CourseChooserTest.moc"
