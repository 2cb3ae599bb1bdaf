#pragma once

#include "fileassociations.h"
#include "xdgassociationstore.h"

#include <QCoreApplication>
#include <QString>

class ModalDialogs;
class QWidget;

// The program's file associations on the user's desktop: the freedesktop store of this
// user (folders from the environment, the running program and its icon) under the
// association rules. The main window registers the document type at start-up; the
// settings dialog's OK runs RegisterDocumentType, SetSfvAssociation and
// SetMd5Association in that order, and its start reads IsAssociated.
class DesktopAssociations {
    Q_DECLARE_TR_FUNCTIONS(DesktopAssociations)

public:
    DesktopAssociations();
    DesktopAssociations(const DesktopAssociations&) = delete;
    DesktopAssociations& operator=(const DesktopAssociations&) = delete;

    // Writes the document type; "Register update failed." when it cannot be written.
    void RegisterDocumentType(QWidget* parent, ModalDialogs& dialogs);
    // False when the handler could not be changed (a read-only mimeapps.list).
    bool SetSfvAssociation(bool enable) { return m_associations.SetSfvAssociation(enable); }
    bool SetMd5Association(bool enable) { return m_associations.SetMd5Association(enable); }
    // ".sfv" or ".md5".
    [[nodiscard]] bool IsAssociated(const QString& extension) const;

private:
    XdgAssociationStore m_store;
    FileAssociations m_associations;
};
