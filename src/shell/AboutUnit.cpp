#include "shell/AboutUnit.h"

#include "platform/Look.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm* AboutForm = nullptr;
const char* const MakerAddress = "https://www.tessarin-learning.example/veldra";

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("About Tessarin"));
    setFixedSize(310, 233);
    fillBackground(this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 8, 8);
    layout->setSpacing(0);

    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral("logo.png")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setContentsMargins(8, 8, 8, 8);
    logo->setAccessibleName(QStringLiteral("Veldra 4"));
    layout->addWidget(logo);
    layout->addSpacing(17);

    auto* lines = new QLabel(QStringLiteral("Veldra 4 practice exams\n"
                                            "Tessarin Learning Press\n"
                                            "Copyright \u00a9 2026 Tessarin. All rights reserved."),
                             this);
    lines->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    lines->setAlignment(Qt::AlignCenter);
    layout->addWidget(lines);
    layout->addSpacing(16);

    // A link label: navy, blue and underlined under the pointer, opened in the browser.
    URLLabel1 = new QLabel(this);
    URLLabel1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    URLLabel1->setAlignment(Qt::AlignCenter);
    URLLabel1->setTextFormat(Qt::RichText);
    URLLabel1->setOpenExternalLinks(true);
    URLLabel1->setTextInteractionFlags(Qt::TextBrowserInteraction);
    URLLabel1->setAccessibleName(QStringLiteral("Web address"));
    const QString address = QString::fromLatin1(MakerAddress);
    const auto linkText = [address](bool hover) {
        return QStringLiteral("<a href=\"%1\" style=\"color:%2;text-decoration:%3\">%1</a>")
            .arg(address, hover ? "#0000ff" : "#000080", hover ? "underline" : "none");
    };
    URLLabel1->setText(linkText(false));
    connect(URLLabel1, &QLabel::linkHovered, this,
            [this, linkText](const QString& link) { URLLabel1->setText(linkText(!link.isEmpty())); });
    layout->addWidget(URLLabel1);
    layout->addStretch();

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFixedSize(79, 29);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addSpacing(4);
    layout->addLayout(row);
}
