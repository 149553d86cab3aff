#include "core/pagerdata/profile_file.h"
#include "test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using tonalink::ProfileError;
using tonalink::ProfileFile;

namespace {

// One edit of a file in memory, and the whole file it must leave.
struct EditCase {
    const char* name;
    std::string before;
    std::function<ProfileError(ProfileFile&)> edit;
    ProfileError expected;
    std::string after; // equal to `before` when refused
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileEdit : public testing::TestWithParam<EditCase> {};

TEST_P(ProfileEdit, KeepsEveryOtherByte) {
    const EditCase& c = GetParam();
    ProfileFile file = *ProfileFile::fromBytes(c.before);
    EXPECT_EQ(c.edit(file), c.expected);
    EXPECT_EQ(file.bytes(), c.after);
}

std::string caseName(const testing::TestParamInfo<EditCase>& info) {
    return info.param.name;
}

const std::string kTwo = "; types\r\n[A]\r\nk=1\r\n; about B\r\n\r\n[B]\r\nm=2\r\nn=3\r\n";

auto deleteKey(const char* s, const char* k) {
    return [=](ProfileFile& f) { return f.deleteKey(s, k); };
}

INSTANTIATE_TEST_SUITE_P(
    DeleteKey, ProfileEdit,
    testing::Values(
        EditCase{"MiddleKey", kTwo, deleteKey("b", "M"), ProfileError::None,
                 "; types\r\n[A]\r\nk=1\r\n; about B\r\n\r\n[B]\r\nn=3\r\n"},
        EditCase{"EveryDuplicate", "[A]\nk=1\nz=0\nK=2\n", deleteKey("A", "k"), ProfileError::None,
                 "[A]\nz=0\n"},
        EditCase{"LastLineWithoutLineEnd", "[A]\r\nk=1\r\nz=2", deleteKey("A", "z"),
                 ProfileError::None, "[A]\r\nk=1\r\n"},
        EditCase{"MissingKeyOrSection", kTwo, deleteKey("C", "k"), ProfileError::None, kTwo},
        EditCase{"BadKeyRefused", kTwo, deleteKey("A", "k=1"), ProfileError::BadName, kTwo}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    EditKeys, ProfileEdit,
    testing::Values(EditCase{"NewKeysAfterTheirAnchor", "[A]\r\nn=2\r\nFe000=a\r\nNu000=1\r\n",
                             [](ProfileFile& f) {
                                 return f.editKeys("A", {{"n", "3"},
                                                         {"Fe001", "b", "Fe000"},
                                                         {"Fe002", "c", "Fe001"}});
                             },
                             ProfileError::None,
                             "[A]\r\nn=3\r\nFe000=a\r\nFe001=b\r\nFe002=c\r\nNu000=1\r\n"},
                    EditCase{"AnchorAtOpenEnd", "[A]\nk=1",
                             [](ProfileFile& f) {
                                 return f.editKeys("A", {{"j", "2", "k"}});
                             },
                             ProfileError::None, "[A]\nk=1\nj=2"},
                    EditCase{"SetThenDeleteInOnePass", "[A]\nk=1\n",
                             [](ProfileFile& f) {
                                 return f.editKeys("A", {{"j", "2"}, {"k", std::nullopt}});
                             },
                             ProfileError::None, "[A]\nj=2\n"},
                    EditCase{"NewSectionOnlyWhenSomethingIsSet", "[A]\nk=1",
                             [](ProfileFile& f) {
                                 return f.editKeys("N", {{"x", std::nullopt}, {"y", "1"}});
                             },
                             ProfileError::None, "[A]\nk=1\n[N]\ny=1\n"},
                    EditCase{"OneRefusedEditChangesNothing", kTwo,
                             [](ProfileFile& f) {
                                 return f.editKeys("A", {{"k", "9"}, {"j", "1\r\n"}});
                             },
                             ProfileError::BadValue, kTwo}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    AppendSection, ProfileEdit,
    testing::Values(EditCase{"AtTheEnd", kTwo, [](ProfileFile& f) { return f.appendSection("C"); },
                             ProfileError::None, kTwo + "[C]\r\n"},
                    EditCase{"AfterOpenLastLine", "[A]\nk=1",
                             [](ProfileFile& f) { return f.appendSection("C"); },
                             ProfileError::None, "[A]\nk=1\n[C]\n"},
                    EditCase{"NameTaken", kTwo, [](ProfileFile& f) { return f.appendSection("b"); },
                             ProfileError::NameTaken, kTwo},
                    EditCase{"BadName", kTwo, [](ProfileFile& f) { return f.appendSection("C]"); },
                             ProfileError::BadName, kTwo}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    CopySection, ProfileEdit,
    testing::Values(
        EditCase{"KeyLinesAndCommentsBetween", "[A]\r\nk=1\r\n;x\r\n j = 2 \r\n\r\n; next\r\n",
                 [](ProfileFile& f) { return f.copySection("a", "C"); }, ProfileError::None,
                 "[A]\r\nk=1\r\n;x\r\n j = 2 \r\n\r\n; next\r\n[C]\r\nk=1\r\n;x\r\n j = 2 \r\n"},
        EditCase{"FromOpenLastLine", "[A]\nk=1",
                 [](ProfileFile& f) { return f.copySection("A", "C"); }, ProfileError::None,
                 "[A]\nk=1\n[C]\nk=1\n"},
        EditCase{"NoSource", kTwo, [](ProfileFile& f) { return f.copySection("X", "C"); },
                 ProfileError::NoSection, kTwo},
        EditCase{"NameTaken", kTwo, [](ProfileFile& f) { return f.copySection("A", "B"); },
                 ProfileError::NameTaken, kTwo}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    RenameSection, ProfileEdit,
    testing::Values(
        EditCase{"KeepsTheRestOfTheHeader", "[A]\r\nk=1\r\n[ B ] ; old\r\nm=2\r\n",
                 [](ProfileFile& f) { return f.renameSection("b", "New B"); }, ProfileError::None,
                 "[A]\r\nk=1\r\n[ New B ] ; old\r\nm=2\r\n"},
        EditCase{"CaseOnly", kTwo, [](ProfileFile& f) { return f.renameSection("A", "a"); },
                 ProfileError::None,
                 "; types\r\n[a]\r\nk=1\r\n; about B\r\n\r\n[B]\r\nm=2\r\nn=3\r\n"},
        EditCase{"NameTaken", kTwo, [](ProfileFile& f) { return f.renameSection("A", "b"); },
                 ProfileError::NameTaken, kTwo},
        EditCase{"NoSection", kTwo, [](ProfileFile& f) { return f.renameSection("X", "Y"); },
                 ProfileError::NoSection, kTwo}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    DeleteSection, ProfileEdit,
    testing::Values(EditCase{"KeepsTheNextSectionsComment", kTwo,
                             [](ProfileFile& f) { return f.deleteSection("A"); },
                             ProfileError::None,
                             "; types\r\n; about B\r\n\r\n[B]\r\nm=2\r\nn=3\r\n"},
                    EditCase{"LastSection", kTwo,
                             [](ProfileFile& f) { return f.deleteSection("b"); },
                             ProfileError::None, "; types\r\n[A]\r\nk=1\r\n; about B\r\n\r\n"},
                    EditCase{"OnlyTheFirstOfItsName", "[A]\nk=1\n[a]\nk=2\n",
                             [](ProfileFile& f) { return f.deleteSection("A"); },
                             ProfileError::None, "[a]\nk=2\n"},
                    EditCase{"NoSection", kTwo, [](ProfileFile& f) { return f.deleteSection("X"); },
                             ProfileError::NoSection, kTwo}),
    caseName);

} // namespace
