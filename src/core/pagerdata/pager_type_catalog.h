#pragma once

#include "core/pagerdata/pager_type.h"
#include "core/pagerdata/profile_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// A pager type as the program loads it from its section of call.dat.
PagerType readPagerType(const ProfileSection& section);

// The pager types of call.dat: where the file is, the names of its types and the
// one type currently loaded. The application object owns one; the form fills its
// boxes from it. Failures are returned as values and never shown from here.
class PagerTypeCatalog {
public:
    // Entry counts in the file decide how many keys are read; larger counts are
    // cut to this, negative ones read as 0.
    static constexpr int32_t kMaxEntriesPerList = 10000;
    static constexpr const char* kFileName = "call.dat";

    // dataDir: the folder searched for call.dat; empty means the current directory.
    explicit PagerTypeCatalog(std::string dataDir = {});

    // 0 when call.dat was found and PagerTypeNames now holds its section names in
    // file order; -1 when it was not found or cannot be read (lastError() says
    // which), PagerTypeNames unchanged. keepPath keeps the CallDatPath already set.
    int ListPagerTypes(bool keepPath);
    // Empties the command strings that name runs of text and the three lists.
    void ClearPagerType();
    // Loads the type `name` from CallDatPath into PagerType. An empty name, a name
    // the file lacks or a file that has gone give the defaults (empty record).
    void LoadPagerType(const std::string& name);
    // Appends the callee's own fixed phrases after the type's own.
    void AppendFormStyles(const std::vector<std::string>& phrases);
    // Writes PagerType.WaitTime and CutTime ("%d") into the section PagerTypeName.
    // 0 when written or when no type is loaded, -1 when refused (lastError()).
    int WriteWaitAndCutTime();
    // Position in PagerTypeNames of the name equal to `name` ignoring ASCII case.
    std::optional<std::size_t> FindPagerTypeName(std::string_view name) const;

    ProfileError lastError() const { return lastError_; }

    std::string CallDatPath;
    std::vector<std::string> PagerTypeNames;
    std::string PagerTypeName;
    tonalink::PagerType PagerType;

private:
    std::string dataDir_;
    ProfileError lastError_ = ProfileError::None;
};

} // namespace tonalink
