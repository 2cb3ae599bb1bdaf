#include "fileassociations.h"

#include "memorystore.h"
#include "rowname.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::string kSfv = ".sfv";
const std::string kMd5 = ".md5";
const std::string kOurs = "Tallyfox.Document";

std::optional<std::string> HandlerOf(const MemoryStore& store, const std::string& extension)
{
    const auto found = store.handlers.find(extension);
    return found == store.handlers.end() ? std::nullopt : std::optional<std::string>(found->second);
}

TEST(RegisterDocumentType, RegistersOrAsksForTheFailureMessage)
{
    MemoryStore store;
    FileAssociations associations(store);
    EXPECT_EQ(associations.RegisterDocumentType(), RegisterOutcome::Registered);
    store.documentTypeFails = true;
    EXPECT_EQ(associations.RegisterDocumentType(), RegisterOutcome::Failed);
    EXPECT_EQ(store.documentTypeWrites, 2);
    EXPECT_EQ(kRegisterFailedMessage, "Register update failed.");
}

// Giving back an extension that names this program.
struct GiveBackRow {
    std::string name;
    std::optional<std::string> backup;
    std::optional<std::string> expected;  // the extension's handler afterwards; nothing: deleted
};

class GiveBackTable : public testing::TestWithParam<GiveBackRow> {};

TEST_P(GiveBackTable, ResultingHandlerFollowsTheBackup)
{
    MemoryStore store;
    store.handlers[kSfv] = kOurs;
    if (GetParam().backup.has_value()) {
        store.backups[kSfv] = *GetParam().backup;
    }
    FileAssociations(store).SetSfvAssociation(false);
    EXPECT_EQ(HandlerOf(store, kSfv), GetParam().expected);
    // The backup itself stays in place.
    EXPECT_EQ(store.Backup(kSfv), GetParam().backup);
}

INSTANTIATE_TEST_SUITE_P(
    DecisionTable, GiveBackTable,
    testing::Values(GiveBackRow{"BackupAbsentDeletes", std::nullopt, std::nullopt},
                    GiveBackRow{"BackupEmptyDeletes", std::string(), std::nullopt},
                    GiveBackRow{"BackupIsThisProgramDeletes", kOurs, std::nullopt},
                    GiveBackRow{"BackupIsThisProgramInCapitalsWithBlanksDeletes", " \tTALLYFOX.document  ",
                                std::nullopt},
                    GiveBackRow{"OtherProgramIsRestored", std::string("Notepad.Sfv"), std::string("Notepad.Sfv")}),
    RowName());

TEST(Associations, FreshMachineTakesOverWithEmptyBackupAndGiveBackLeavesNoHandler)
{
    MemoryStore store;
    FileAssociations associations(store);
    associations.SetSfvAssociation(true);
    EXPECT_EQ(HandlerOf(store, kSfv), kOurs);
    EXPECT_EQ(store.Backup(kSfv), std::string());
    EXPECT_TRUE(associations.IsAssociated(kSfv));

    associations.SetSfvAssociation(false);
    EXPECT_EQ(HandlerOf(store, kSfv), std::nullopt);
    EXPECT_FALSE(associations.IsAssociated(kSfv));
}

TEST(Associations, AnotherProgramsHandlerIsTakenOverAndGivenBack)
{
    MemoryStore store;
    store.handlers[kMd5] = "Hasher.Md5File";
    FileAssociations associations(store);
    associations.SetMd5Association(true);
    EXPECT_EQ(HandlerOf(store, kMd5), kOurs);
    EXPECT_EQ(store.Backup(kMd5), "Hasher.Md5File");
    EXPECT_TRUE(associations.IsAssociated(kMd5));
    EXPECT_FALSE(store.handlers.contains(kSfv));  // the other extension is left alone

    associations.SetMd5Association(false);
    EXPECT_EQ(HandlerOf(store, kMd5), "Hasher.Md5File");
    EXPECT_FALSE(associations.IsAssociated(kMd5));
}

TEST(Associations, AssociatingTwiceKeepsTheFirstBackup)
{
    MemoryStore store;
    store.handlers[kSfv] = "Other.Sfv";
    FileAssociations associations(store);
    associations.SetSfvAssociation(true);
    associations.SetSfvAssociation(true);
    EXPECT_EQ(store.Backup(kSfv), "Other.Sfv");
    associations.SetSfvAssociation(false);
    EXPECT_EQ(HandlerOf(store, kSfv), "Other.Sfv");
}

TEST(Associations, AssociatingAgainAfterGivingBackReplacesTheBackup)
{
    MemoryStore store;
    store.handlers[kSfv] = "Old.Sfv";
    FileAssociations associations(store);
    associations.SetSfvAssociation(true);
    associations.SetSfvAssociation(false);
    store.handlers[kSfv] = "Newer.Sfv";
    associations.SetSfvAssociation(true);
    EXPECT_EQ(store.Backup(kSfv), "Newer.Sfv");
}

TEST(Associations, CapitalsAndBlanksCountAsThisProgramWhenAssociatingAndGivingBack)
{
    MemoryStore store;
    store.handlers[kSfv] = "  TALLYFOX.DOCUMENT\t";
    store.backups[kSfv] = "Other.Sfv";
    FileAssociations associations(store);
    EXPECT_FALSE(associations.IsAssociated(kSfv));  // the box does not trim

    associations.SetSfvAssociation(true);
    EXPECT_EQ(store.Backup(kSfv), "Other.Sfv");  // not replaced by our own name
    EXPECT_EQ(HandlerOf(store, kSfv), kOurs);

    store.handlers[kSfv] = " tallyfox.document ";
    associations.SetSfvAssociation(false);
    EXPECT_EQ(HandlerOf(store, kSfv), "Other.Sfv");
}

struct IsAssociatedRow {
    std::string name;
    std::optional<std::string> handler;  // nothing: the extension cannot be read
    bool expected;
};

class IsAssociatedTable : public testing::TestWithParam<IsAssociatedRow> {};

TEST_P(IsAssociatedTable, ComparesWithoutCaseButWithBlanks)
{
    MemoryStore store;
    if (GetParam().handler.has_value()) {
        store.handlers[kSfv] = *GetParam().handler;
    } else {
        store.extensionUnreadable = true;
    }
    EXPECT_EQ(FileAssociations(store).IsAssociated(kSfv), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IsAssociatedTable,
    testing::Values(IsAssociatedRow{"Exact", kOurs, true}, IsAssociatedRow{"Capitals", "TALLYFOX.DOCUMENT", true},
                    IsAssociatedRow{"BlanksAround", " Tallyfox.Document ", false},
                    IsAssociatedRow{"OtherProgram", "Other.Sfv", false}, IsAssociatedRow{"NoHandler", "", false},
                    IsAssociatedRow{"Unreadable", std::nullopt, false}),
    RowName());

TEST(Associations, DescriptionsAreWrittenInBothDirections)
{
    MemoryStore store;
    FileAssociations associations(store);
    associations.SetSfvAssociation(true);
    associations.SetMd5Association(false);
    EXPECT_EQ(store.descriptions[kSfv], "CRC32 Checksum File");
    EXPECT_EQ(store.descriptions[kMd5], "MD5 Checksum File");

    MemoryStore other;
    FileAssociations(other).SetSfvAssociation(false);
    FileAssociations(other).SetMd5Association(true);
    EXPECT_EQ(other.descriptions[kSfv], "CRC32 Checksum File");
    EXPECT_EQ(other.descriptions[kMd5], "MD5 Checksum File");
}

// An unchecked box gives back every time; an extension that belongs to another
// program (or to none) is left exactly as it is, its older backup unused.
struct GiveBackOtherRow {
    std::string name;
    std::optional<std::string> handler;
};

class GiveBackOtherProgram : public testing::TestWithParam<GiveBackOtherRow> {};

TEST_P(GiveBackOtherProgram, ChangesNothing)
{
    MemoryStore store;
    if (GetParam().handler.has_value()) {
        store.handlers[kSfv] = *GetParam().handler;
    }
    store.backups[kSfv] = "Older.Sfv";
    const auto handlersBefore = store.handlers;
    FileAssociations(store).SetSfvAssociation(false);
    EXPECT_EQ(store.handlers, handlersBefore);
    EXPECT_EQ(store.Backup(kSfv), "Older.Sfv");
}

INSTANTIATE_TEST_SUITE_P(Mend, GiveBackOtherProgram,
                         testing::Values(GiveBackOtherRow{"OtherProgramKeepsItsHandler", std::string("Other.Sfv")},
                                         GiveBackOtherRow{"NoHandlerStaysWithout", std::nullopt},
                                         GiveBackOtherRow{"EmptyHandlerStaysEmpty", std::string()}),
                         RowName());

TEST(Associations, FailuresAreSilentAndStopAtTheirStep)
{
    // The description cannot be written: the association is made all the same.
    MemoryStore noDescription;
    noDescription.descriptionFails = true;
    FileAssociations(noDescription).SetSfvAssociation(true);
    EXPECT_EQ(HandlerOf(noDescription, kSfv), kOurs);

    // The extension cannot be read: nothing changes but the description.
    MemoryStore unreadable;
    unreadable.extensionUnreadable = true;
    unreadable.handlers[kSfv] = "Other.Sfv";
    FileAssociations(unreadable).SetSfvAssociation(true);
    EXPECT_EQ(unreadable.handlers[kSfv], "Other.Sfv");
    EXPECT_TRUE(unreadable.backups.empty());
    EXPECT_EQ(unreadable.descriptions[kSfv], "CRC32 Checksum File");
}

TEST(Associations, NoTakingOverWhenTheBackupCannotBeKept)
{
    MemoryStore store;
    store.handlers[kSfv] = "Other.Sfv";
    store.backupFails = true;
    FileAssociations(store).SetSfvAssociation(true);
    EXPECT_EQ(HandlerOf(store, kSfv), "Other.Sfv");

    // Already ours: no backup is needed, the handler is simply rewritten.
    store.handlers[kSfv] = " TALLYFOX.Document";
    FileAssociations(store).SetSfvAssociation(true);
    EXPECT_EQ(HandlerOf(store, kSfv), kOurs);
}

}  // namespace
