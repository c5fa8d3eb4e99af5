#pragma once
#include <QDialog>
class TReviewForm : public QDialog { public: using QDialog::QDialog; };
extern TReviewForm* ReviewForm;
