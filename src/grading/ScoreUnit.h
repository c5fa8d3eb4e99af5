#pragma once
#include <QDialog>
class TScoreForm : public QDialog { public: using QDialog::QDialog; };
extern TScoreForm* ScoreForm;
