#include "widgets/mvinfowidget.h"

#include "widgets/applicationfont.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize BoxSize(440, 230);

const char* const BoxStyle =
    "MvInfoWidget { background-color: #f2f2f2; border: 1px solid #fd7800; }"
    "#infoName { color: #2b2b2b; }"
    "#infoVersion { color: #464646; }"
    "#infoOkButton { min-width: 110px; min-height: 45px; background-color: white;"
    " border: 2px solid #fd7800; }"
    "#infoOkButton:pressed { background-color: #fd7800; color: white; }";
} // namespace

MvInfoWidget::MvInfoWidget(const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const QString name = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    setWindowTitle(name.isEmpty() ? tr("Information", "Title of the information box.") : name);
    setFixedSize(BoxSize);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(BoxStyle));

    auto* icon = new QLabel(this);
    const QIcon appIcon = QGuiApplication::windowIcon();
    if (!appIcon.isNull())
        icon->setPixmap(appIcon.pixmap(64, 64));
    icon->setVisible(!appIcon.isNull());

    auto* nameLabel = new QLabel(this);
    nameLabel->setObjectName(QStringLiteral("infoName"));
    nameLabel->setTextFormat(Qt::PlainText);
    nameLabel->setText(name);
    nameLabel->setWordWrap(true);
    QFont nameFont = ApplicationFont::getWidgetFont(true);
    nameFont.setPixelSize(22);
    nameLabel->setFont(nameFont);

    m_versionLabel = new QLabel(this);
    m_versionLabel->setObjectName(QStringLiteral("infoVersion"));
    m_versionLabel->setTextFormat(Qt::PlainText);
    m_versionLabel->setFont(ApplicationFont::getWidgetFont(false));
    setVersionNumber(QString());

    auto* okButton = new QPushButton(tr("OK", "Closes the information box."), this);
    okButton->setObjectName(QStringLiteral("infoOkButton"));
    okButton->setFont(ApplicationFont::getWidgetFont(false));
    okButton->setDefault(true);
    okButton->setFocusPolicy(Qt::NoFocus);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addStretch(1);
    texts->addWidget(nameLabel);
    texts->addWidget(m_versionLabel);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(20);
    top->addWidget(icon, 0, Qt::AlignVCenter);
    top->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(top, 1);
    layout->addWidget(okButton, 0, Qt::AlignRight);
}

void MvInfoWidget::setVersionNumber(const QString& version)
{
    m_version = version;
    m_versionLabel->setText(
        version.isEmpty() ? QString()
                          : tr("Version %1", "Version line of the information box.").arg(version));
}

QString MvInfoWidget::versionNumber() const
{
    return m_version;
}
