#include "desktopassociations.h"

#include "modaldialogs.h"
#include "toolbaricons.h"

#include <QBuffer>
#include <QIcon>
#include <QPixmap>

namespace {

// The application icon as PNG files in the sizes desktops ask for most.
std::vector<IconImage> ApplicationIconImages()
{
    const QIcon icon = ApplicationIcon();
    std::vector<IconImage> images;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (icon.pixmap(size, size).save(&buffer, "PNG")) {
            images.push_back({size, bytes.toStdString()});
        }
    }
    return images;
}

}  // namespace

DesktopAssociations::DesktopAssociations()
    : m_store(UserAssociationStore(ApplicationIconImages())), m_associations(m_store)
{
}

void DesktopAssociations::RegisterDocumentType(QWidget* parent, ModalDialogs& dialogs)
{
    if (m_associations.RegisterDocumentType() == RegisterOutcome::Failed) {
        dialogs.ShowError(parent, tr("Register update failed."));
    }
}

bool DesktopAssociations::IsAssociated(const QString& extension) const
{
    return m_associations.IsAssociated(extension.toStdString());
}
