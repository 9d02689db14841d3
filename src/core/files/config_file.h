#pragma once

#include "core/app/job.h"

#include <optional>
#include <string>
#include <string_view>

namespace vornik::files {

// Everything a configuration file (.vkf) holds: the job, the texts of the
// three dimension boxes as the user saw them, and the message file and save
// paths of the run.
struct ConfigurationRecord {
    Job job;
    std::string MessageFilePath;
    std::string BarcodeSavePath;
    bool MessageFileOpen = false;
    std::string MagnifyText;
    std::string WidthText;
    std::string HeightText;

    bool operator==(const ConfigurationRecord&) const = default;
};

// The first line of every configuration file. Files of earlier versions
// begin with the legacy banner; they load alike and are saved with the
// current one.
inline constexpr std::string_view kConfigurationBanner =
    "Vornik Professional configuration file - Vornik bar code generator for Linux by the Vornik "
    "developers v2";
inline constexpr std::string_view kLegacyConfigurationBanner =
    "Vornik Professional configuration file - Vornik bar code generator by the Vornik developers "
    "(v1)";
static_assert(kConfigurationBanner.size() == 104);
static_assert(kLegacyConfigurationBanner.size() == 96);

// The bytes of a configuration file: text lines ended by CR LF, then the
// preamble, postamble and message as raw bytes, then the comment and the
// later groups. Numbers are written with "." whatever the locale.
[[nodiscard]] std::string writeConfigurationBytes(const ConfigurationRecord& record);

// Reads the bytes of a configuration file into a copy of START: what a file
// written before the optional groups existed does not hold keeps START's
// value. nullopt when the bytes are not a whole configuration file (a wrong
// banner, a file ending inside a field or a group, a number field that is no
// number or out of its range, raw lengths beyond the end).
[[nodiscard]] std::optional<ConfigurationRecord> parseConfigurationBytes(std::string_view bytes,
                                                                         ConfigurationRecord start);

} // namespace vornik::files
