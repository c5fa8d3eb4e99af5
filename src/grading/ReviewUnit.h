#pragma once

#include <QDialog>
#include <QIcon>

#include <array>
#include <initializer_list>
#include <utility>

class QListWidget;
class QPushButton;

// The item review window: every item of the exam with its icon and chosen letters; takes the user
// to the item picked.
class TReviewForm : public QDialog {
    Q_OBJECT

public:
    explicit TReviewForm(QWidget* parent = nullptr);
    ~TReviewForm() override;

    std::array<QIcon, 4> ImageList1; // indexed by ItemIcon
    QWidget* Panel5 = nullptr;       // exam legend
    QWidget* Panel4 = nullptr;       // review legend
    QListWidget* ListView1 = nullptr;
    QPushButton* BitBtn2 = nullptr; // "&Go to the selected question"
    QPushButton* BitBtn1 = nullptr; // "&Return"

    void ListView1SelectItem();
    void BitBtn2Click();
    void ListView1DblClick();
    void BitBtn1Click();
    void FormClose();

    // Every way of closing runs FormClose.
    void done(int result) override;

private:
    QWidget* newLegend(const std::initializer_list<std::pair<int, const char*>>& entries);
    void goToSelected();
};

extern TReviewForm* ReviewForm;
