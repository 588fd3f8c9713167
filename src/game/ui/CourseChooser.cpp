// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/CourseChooser.h"

#include "config/model/AddedTexts.h"
#include "ui/ShownText.h"
#include "ui/QtOwned.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

constexpr int CardMargin = 6;
// Lines under the picture: the name, three of description, the facts, the best score.
constexpr int DescriptionLines = 3;

// Up to `lines` lines of `text` wrapped at words into `width`; the last one shown ends in an
// ellipsis when text is left over.
QStringList WrappedLines(const QString& text, const QFont& font, int width, int lines)
{
    QStringList result;
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (int i = 0; i < lines; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        const bool last = i == lines - 1;
        const QString part = last ? text.mid(line.textStart()) : text.mid(line.textStart(), line.textLength());
        result << (last ? QFontMetrics(font).elidedText(part.simplified(), Qt::ElideRight, width)
                        : part.trimmed());
    }
    layout.endLayout();
    return result;
}

// One course: its picture, then its name in bold, its description and its facts.
class CourseCardDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const int line = option.fontMetrics.lineSpacing();
        return {CourseChooser::PictureWidth + 2 * CardMargin,
                CourseChooser::PictureHeight + 3 * CardMargin + (3 + DescriptionLines) * line};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        // The whole card shows the selection, and the focus frame marks the current one.
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(option.rect, option.palette.highlight());
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
            const QWidget* view = option.widget;
            (view ? view->style() : QApplication::style())
                ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        }

        const QRect inner = option.rect.adjusted(CardMargin, CardMargin, -CardMargin, -CardMargin);
        const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
        const QRect pictureBox(inner.left(), inner.top(), inner.width(), CourseChooser::PictureHeight);
        if (!picture.isNull()) {
            const QSize shown = picture.deviceIndependentSize().toSize();
            painter->drawPixmap(QRect(QPoint(pictureBox.center().x() - shown.width() / 2 + 1,
                                             pictureBox.center().y() - shown.height() / 2 + 1),
                                      shown),
                                picture);
        } else {
            painter->fillRect(pictureBox.adjusted(8, 8, -8, -8), option.palette.mid());
        }

        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const int line = option.fontMetrics.lineSpacing();
        int top = pictureBox.bottom() + 1 + CardMargin;
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->drawText(QRect(inner.left(), top, inner.width(), line), Qt::AlignHCenter,
                          QFontMetrics(bold).elidedText(index.data(Qt::DisplayRole).toString(),
                                                        Qt::ElideMiddle, inner.width()));
        top += line;
        painter->setFont(option.font);
        for (const QString& text : WrappedLines(index.data(CourseChooser::DescriptionRole).toString(),
                                                option.font, inner.width(), DescriptionLines)) {
            painter->drawText(QRect(inner.left(), top, inner.width(), line), Qt::AlignHCenter, text);
            top += line;
        }
        top = pictureBox.bottom() + 1 + CardMargin + (1 + DescriptionLines) * line;
        for (const int role : {CourseChooser::FactsRole, CourseChooser::BestRole}) {
            painter->drawText(QRect(inner.left(), top, inner.width(), line), Qt::AlignHCenter,
                              option.fontMetrics.elidedText(index.data(role).toString(),
                                                            Qt::ElideRight, inner.width()));
            top += line;
        }
    }
};

QPixmap Thumbnail(const QImage& picture, qreal ratio)
{
    if (picture.isNull())
        return {};
    const QSize box = QSize(CourseChooser::PictureWidth, CourseChooser::PictureHeight) * ratio;
    // A small field keeps its pixels sharp at a whole zoom; a large one is scaled down smoothly.
    QImage shown;
    if (picture.width() <= box.width() && picture.height() <= box.height()) {
        const int zoom = std::max(1, std::min(box.width() / picture.width(), box.height() / picture.height()));
        shown = picture.scaled(picture.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        shown = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(shown);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

CourseChooser::CourseChooser(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CourseChooser"));
    setWindowTitle(QStringLiteral("Choose Course"));
    auto* column = brv::MakeChild<QVBoxLayout>(this);

    Courses = brv::MakeChild<QListWidget>(this);
    Courses->setObjectName(QStringLiteral("Courses"));
    Courses->setViewMode(QListView::IconMode);
    Courses->setMovement(QListView::Static);
    Courses->setResizeMode(QListView::Adjust);
    Courses->setSelectionMode(QAbstractItemView::SingleSelection);
    Courses->setUniformItemSizes(true);
    Courses->setSpacing(4);
    Courses->setItemDelegate(brv::MakeChild<CourseCardDelegate>(Courses));
    column->addWidget(Courses, 1);

    UserFolder = brv::MakeChild<QLabel>(this);
    UserFolder->setObjectName(QStringLiteral("UserFolder"));
    UserFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    UserFolder->setWordWrap(true);
    column->addWidget(UserFolder);

    auto* buttons = brv::MakeChild<QDialogButtonBox>(this);
    PlayButton = buttons->addButton(QStringLiteral("&Play"), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    PlayButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    // Enter on a course, or a double click, plays it as Play does.
    connect(Courses, &QListWidget::itemActivated, this, [this] {
        if (!ChosenPath().isEmpty())
            accept();
    });
    connect(Courses, &QListWidget::itemSelectionChanged, this, &CourseChooser::RefreshPlay);
    folderText_ = QStringLiteral("Your own courses: %1");
    yoursText_ = QStringLiteral("yours");
    RefreshPlay();
}

void CourseChooser::showEvent(QShowEvent* event)
{
    // Five cards side by side in two rows, the shipped courses at a glance, as far as the
    // screen has room; the list scrolls for more.
    if (!sized_) {
        sized_ = true;
        QStyleOptionViewItem option;
        option.initFrom(Courses);
        const int around = 2 * Courses->spacing() + 2;
        const QSize card = Courses->itemDelegate()->sizeHint(option, {}) + QSize(around, around);
        const int rows = std::min(2, (Courses->count() + 4) / 5);
        const int edges = 2 * Courses->frameWidth() + 8;
        const QSize list(std::min(5, std::max(Courses->count(), 1)) * card.width() + edges +
                             style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                         std::max(rows, 1) * card.height() + edges);
        QSize wanted = size() + list - Courses->size();
        if (const QScreen* shownOn = screen())
            wanted = wanted.boundedTo(shownOn->availableGeometry().size() * 9 / 10);
        resize(wanted.expandedTo(minimumSizeHint()));
    }
    QDialog::showEvent(event);
}

void CourseChooser::ApplyTexts(const AddedTexts& texts)
{
    setWindowTitle(ShownText(texts, "ChooserTitle", "Choose Course"));
    PlayButton->setText(ShownText(texts, "ChooserPlay", "&Play"));
    folderText_ = ShownText(texts, "ChooserFolder", "Your own courses: %1");
    yoursText_ = ShownText(texts, "ChooserYours", "yours");
    SetUserFolder(folder_);
}

void CourseChooser::SetUserFolder(const QString& folder)
{
    folder_ = folder;
    UserFolder->setText(folder.isEmpty() ? QString() : folderText_.arg(folder));
    UserFolder->setVisible(!folder.isEmpty());
}

void CourseChooser::SetCourses(const std::vector<CourseCard>& courses, const QString& current)
{
    Courses->clear();
    const qreal ratio = devicePixelRatioF();
    QListWidgetItem* selected = nullptr;
    for (const CourseCard& course : courses) {
        auto* item = brv::MakeChild<QListWidgetItem>(Courses);
        item->setText(course.PerUser ? QStringLiteral("%1 (%2)").arg(course.Name, yoursText_)
                                     : course.Name);
        item->setData(PathRole, course.Path);
        item->setData(DescriptionRole, course.Error.isEmpty() ? course.Description : course.Error);
        item->setData(FactsRole, course.Facts);
        item->setData(BestRole, course.Best);
        item->setData(Qt::DecorationRole, Thumbnail(course.Picture, ratio));
        QStringList tip{course.Path};
        if (!course.Description.isEmpty())
            tip << course.Description;
        if (!course.Error.isEmpty())
            tip << course.Error;
        item->setToolTip(tip.join(QLatin1Char('\n')));
        if (course.Path == current)
            selected = item;
    }
    if (!selected && Courses->count() > 0)
        selected = Courses->item(0);
    if (selected) {
        Courses->setCurrentItem(selected);
        Courses->scrollToItem(selected);
    }
    Courses->setFocus();
    RefreshPlay();
}

QString CourseChooser::ChosenPath() const
{
    const QList<QListWidgetItem*> chosen = Courses->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.front()->data(PathRole).toString();
}

void CourseChooser::RefreshPlay()
{
    PlayButton->setEnabled(!ChosenPath().isEmpty());
}
