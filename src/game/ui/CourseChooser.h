// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Choose Course...: every course the player can choose from, each with its picture,
// file name, one-line description, size, number of computer cars and best score. Arrow keys or
// the mouse pick one; Enter, a double click or Play plays it. The dialog shows what it is given;
// the window lists the courses (CourseCards) and plays the chosen one as Load Course would.
#include <QDialog>
#include <QImage>
#include <QString>

#include <vector>

class AddedTexts;
class QLabel;
class QListWidget;
class QPushButton;

struct CourseCard {
    QString Path;
    QString Name;        // the file name
    QString Description; // the course file's leading comment; empty for none
    QString Facts;       // size and computer cars, in the language
    QString Best;        // the best score of its hi-score table, in the language
    QImage Picture;      // null when the course cannot be loaded
    QString Error;       // why it cannot be, when it cannot
    bool PerUser = false;
};

class CourseChooser : public QDialog {
    Q_OBJECT
public:
    // Where the item of a course keeps what the list draws besides its name.
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int DescriptionRole = Qt::UserRole + 1;
    static constexpr int FactsRole = Qt::UserRole + 2;
    static constexpr int BestRole = Qt::UserRole + 3;
    // The size of a picture in the list, in device-independent pixels.
    static constexpr int PictureWidth = 192;
    static constexpr int PictureHeight = 128;

    explicit CourseChooser(QWidget* parent = nullptr);

    void ApplyTexts(const AddedTexts& texts);
    // The courses in the order given; the one at `current` (a path) starts selected.
    void SetCourses(const std::vector<CourseCard>& courses, const QString& current);
    // Where the player's own courses go, shown below the list.
    void SetUserFolder(const QString& folder);
    // The path of the selected course, empty when none is.
    QString ChosenPath() const;

    QListWidget* Courses = nullptr;
    QLabel* UserFolder = nullptr;
    QPushButton* PlayButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshPlay();

    bool sized_ = false;
    QString folderText_;
    QString folder_;
    QString yoursText_;
};
