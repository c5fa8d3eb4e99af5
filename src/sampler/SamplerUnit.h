#pragma once

#include <QDialog>

class QListWidget;

// The test sampler, where the user edits their own question set.
class TSamplerForm : public QDialog {
    Q_OBJECT

public:
    explicit TSamplerForm(QWidget* parent = nullptr);

    QListWidget* ListBox1 = nullptr; // the six sections
};

extern TSamplerForm* SamplerForm;
