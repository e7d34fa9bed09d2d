#pragma once
// The version data a program carries about itself: its product name,
// version, company and copyright. A program that has such data declares it
// once, at namespace scope in one of its own sources, so that it is part of
// the executable from start to end:
//
//     const korvan::sys::ProgramVersionData kVersionData{{"Product", "1.0.0.0", "Company", "(c) ..."}};
//
// Code that shows it asks RunningProgramVersion(). A program that declares
// none (the editor) has none, and the answer is empty. A later declaration
// stands in front of an earlier one until it ends (tests declare their own).

#include <optional>
#include <string>

namespace korvan::sys {

struct ProgramVersion {
    std::string ProductName;
    std::string FileVersion;
    std::string CompanyName;
    std::string LegalCopyright;
};

class ProgramVersionData {
public:
    explicit ProgramVersionData(ProgramVersion version);
    ~ProgramVersionData();
    ProgramVersionData(const ProgramVersionData&) = delete;
    ProgramVersionData& operator=(const ProgramVersionData&) = delete;

    const ProgramVersion& Version() const { return version_; }

private:
    ProgramVersion version_;
    ProgramVersionData* previous_;
};

// The running program's version data; none when it declares none.
std::optional<ProgramVersion> RunningProgramVersion();

} // namespace korvan::sys
