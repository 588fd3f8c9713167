// SPDX-License-Identifier: GPL-3.0-or-later
// File > Choose Course... and its tool button: the program's courses and the player's own, each
// with its picture; the one chosen is played as Load Course plays a file.
#include "game/ui/CourseCards.h"
#include "ui/ShownText.h"
#include "game/ui/CourseChooser.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/TBrevantoForm.h"
#include "ui/DialogSeam.h"
#include "ui/Glyphs.h"
#include "ui/Hints.h"
#include "ui/QtOwned.h"

#include "config/model/AddedTexts.h"
#include "config/model/CourseCatalog.h"
#include "platform/Paths.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QToolButton>

void TBrevantoForm::BuildCourseChooser()
{
    // Right below Load Course..., which stays for any file.
    ChooseCourse1 = brv::MakeChild<QAction>(QStringLiteral("&Choose Course..."), File1);
    ChooseCourse1->setObjectName(QStringLiteral("ChooseCourse1"));
    File1->insertAction(Pause1, ChooseCourse1);
    connect(ChooseCourse1, &QAction::triggered, this, &TBrevantoForm::ChooseCourse1Click);

    // Beside the hi-score button, after the tool bar's own buttons.
    sbChooseCourse = brv::MakeChild<QToolButton>(Panel1);
    sbChooseCourse->setObjectName(QStringLiteral("sbChooseCourse"));
    sbChooseCourse->setGeometry(217, 4, 23, 22);
    sbChooseCourse->setAutoRaise(true);
    sbChooseCourse->setIcon(QIcon(brv::ToolGlyphPixmap(brv::ToolGlyph::ChooseCourse)));
    sbChooseCourse->setIconSize(QSize(16, 16));
    sbChooseCourse->setFocusPolicy(Qt::NoFocus);
    connect(sbChooseCourse, &QToolButton::clicked, this, &TBrevantoForm::ChooseCourse1Click);
}

void TBrevantoForm::ApplyCourseChooserTexts(const AddedTexts& texts)
{
    const QString hint =
        ShownText(texts, "ChooserHint", "Choose course|Choose a course by its picture");
    ChooseCourse1->setText(ShownText(texts, "ChooserMenu", "&Choose Course..."));
    ChooseCourse1->setStatusTip(hint);
    sbChooseCourse->setStatusTip(hint);
    sbChooseCourse->setToolTip(brv::ShortHint(hint));
}

void TBrevantoForm::ChooseCourse1Click()
{
    TimerSuspension suspension(*this);
    // The player's own folder is made on demand, so that it is there to put courses in.
    const std::string userDir = UserCoursesDir(Places.DataDir);
    const bool userDirReady = EnsureUserCoursesDir(userDir);

    const AddedTexts texts(Options.LanguageFileName, Options.Language);
    CourseCardSource source;
    source.Ground = GroundBitmap.get();
    source.Car = CarBitmap.get();
    source.GroundBgr = FieldGround;
    source.ErrorTexts.assign(ErrorText.begin() + 1, ErrorText.end());
    source.HiScoreFile = Fame->FileName();
    source.Rest = Rules.MaxCar;

    CourseChooser chooser(this);
    chooser.setFont(font());
    chooser.ApplyTexts(texts);
    chooser.SetUserFolder(userDirReady ? QFile::decodeName(QByteArray::fromStdString(userDir))
                                       : QString());
    const std::vector<CatalogCourse> courses =
        ListCourses(Places.ProgramDir, userDirReady ? userDir : std::string());
    QString current;
    for (const CatalogCourse& course : courses)
        if (brv::SamePath(course.Path, Rules.MapName))
            current = QFile::decodeName(QByteArray::fromStdString(course.Path));
    chooser.SetCourses(BuildCourseCards(courses, source, texts), current);
    if (Seam.ExecDialog(chooser) != QDialog::Accepted)
        return;
    const QByteArray chosen = QFile::encodeName(chooser.ChosenPath());
    if (!chosen.isEmpty())
        PlayCourseFile(std::string(chosen.constData(), static_cast<size_t>(chosen.size())));
}
