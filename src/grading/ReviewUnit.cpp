#include "grading/ReviewUnit.h"

#include "exam/TestForm.h"
#include "grading/ItemIcons.h"
#include "platform/Handlers.h"
#include "platform/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TReviewForm* ReviewForm = nullptr;

TReviewForm::TReviewForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ImageList1(itemIcons())
{
    setWindowTitle(QStringLiteral("Items Review"));
    setFixedSize(442, 372);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);

    Panel5 = newLegend(
        {{IconIncomplete, " - incomplete   "}, {IconComplete, " - complete   "}, {IconMarked, " - marked   "}});
    Panel4 = newLegend({{IconIncorrect, " - incorrect item   "}, {IconComplete, " - correct item   "}});
    Panel4->hide();
    layout->addWidget(Panel5);
    layout->addWidget(Panel4);

    ListView1 = new QListWidget(this);
    ListView1->setAccessibleName(QStringLiteral("Items"));
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setFlow(QListView::TopToBottom);
    ListView1->setWrapping(true); // columns top to bottom, then left to right
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setGridSize(QSize(104, 20)); // room for "113  ABCDEF"
    ListView1->setUniformItemSizes(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setMouseTracking(true);
    ListView1->setStyleSheet(QStringLiteral(
        "QListWidget::item { border-right: 1px solid #c8c8c8; border-bottom: 1px solid #c8c8c8; }"
        "QListWidget::item:hover { background: #dde6ff; }"
        "QListWidget::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    layout->addWidget(ListView1, 1);

    auto* buttons = new QWidget(this);
    buttons->setFixedHeight(36);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 3, 0, 3);
    BitBtn2 = new QPushButton(QStringLiteral("&Go to the selected question"), buttons);
    BitBtn2->setFixedSize(309, 30);
    BitBtn2->setEnabled(false);
    BitBtn1 = new QPushButton(QStringLiteral("&Return"), buttons);
    BitBtn1->setFixedSize(121, 30);
    row->addWidget(BitBtn2);
    row->addStretch();
    row->addWidget(BitBtn1);
    layout->addWidget(buttons);

    connect(ListView1, &QListWidget::itemSelectionChanged, this, guarded([this] { ListView1SelectItem(); }));
    connect(ListView1, &QListWidget::itemDoubleClicked, this, guarded([this] { ListView1DblClick(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { BitBtn1Click(); }));
}

TReviewForm::~TReviewForm() = default;

QWidget* TReviewForm::newLegend(const std::initializer_list<std::pair<int, const char*>>& entries)
{
    auto* legend = new QWidget(this);
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch();
    for (const auto& [icon, text] : entries) {
        auto* picture = new QLabel(legend);
        picture->setPixmap(ImageList1[icon].pixmap(16, 16));
        auto* caption = new QLabel(QString::fromLatin1(text), legend);
        caption->setTextFormat(Qt::PlainText);
        picture->setAccessibleName(caption->text().trimmed().mid(2));
        row->addWidget(picture, 0, Qt::AlignVCenter);
        row->addWidget(caption, 0, Qt::AlignVCenter);
    }
    return legend;
}

void TReviewForm::ListView1SelectItem()
{
    if (!ListView1->selectedItems().isEmpty())
        BitBtn2->setEnabled(true);
}

void TReviewForm::goToSelected()
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    TestForm->dtCurrentSet.setRecNo(ListView1->row(selected.first()) + 1);
    accept();
}

void TReviewForm::BitBtn2Click()
{
    goToSelected();
}

void TReviewForm::ListView1DblClick()
{
    goToSelected();
}

void TReviewForm::BitBtn1Click()
{
    reject();
}

void TReviewForm::FormClose()
{
    BitBtn2->setEnabled(false);
}

void TReviewForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
