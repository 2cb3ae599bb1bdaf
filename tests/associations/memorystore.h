#pragma once

#include "associationstore.h"

#include <map>
#include <string>

// A store in memory with the registry's shape: per extension a handler (absent when
// deleted), a backup (absent until written) and a description; any step can be made
// to fail.
class MemoryStore final : public AssociationStore {
public:
    [[nodiscard]] std::string DocumentTypeName() const override { return "Tallyfox.Document"; }
    [[nodiscard]] bool WriteDocumentType() override
    {
        ++documentTypeWrites;
        return !documentTypeFails;
    }
    bool WriteDescription(const std::string& extension, const std::string& text) override
    {
        if (descriptionFails) {
            return false;
        }
        descriptions[extension] = text;
        return true;
    }
    [[nodiscard]] std::optional<std::string> Handler(const std::string& extension) const override
    {
        if (extensionUnreadable) {
            return std::nullopt;
        }
        const auto found = handlers.find(extension);
        return found == handlers.end() ? std::string() : found->second;
    }
    bool SetHandler(const std::string& extension, const std::string& handler) override
    {
        handlers[extension] = handler;
        return true;
    }
    bool DeleteHandler(const std::string& extension) override
    {
        handlers.erase(extension);
        return true;
    }
    [[nodiscard]] std::optional<std::string> Backup(const std::string& extension) const override
    {
        const auto found = backups.find(extension);
        return found == backups.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    bool SetBackup(const std::string& extension, const std::string& handler) override
    {
        if (backupFails) {
            return false;
        }
        backups[extension] = handler;
        return true;
    }

    std::map<std::string, std::string> handlers;
    std::map<std::string, std::string> backups;
    std::map<std::string, std::string> descriptions;
    int documentTypeWrites = 0;
    bool documentTypeFails = false;
    bool descriptionFails = false;
    bool extensionUnreadable = false;
    bool backupFails = false;
};
