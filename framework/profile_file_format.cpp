#include "framework/profile_file_format.h"

#include "framework/blanks.h"

#include <algorithm>

namespace fenwake {

namespace {

std::string oneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

bool isSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// "section/key", in the form it reads back in after being written: the part before the first
// slash becomes a header and the rest a key line, both trimmed. A key that could not be
// written back as itself (empty, or a rest that would read as a comment, a header or a key
// with a value) is dropped.
std::string fullKey(const std::string& section, std::string_view key) {
    if (key.empty()) {
        return {};
    }
    const std::string combined = section.empty() ? std::string(key) : section + '/' += key;
    const std::size_t slash = combined.find('/');
    if (slash == std::string::npos) {
        return combined;
    }
    const std::string_view rest = trimBlanks(std::string_view(combined).substr(slash + 1));
    if (rest.empty() || rest.front() == ';' || rest.front() == '#' || rest.front() == '[' ||
        rest.find('=') != std::string_view::npos) {
        return {};
    }
    return std::string(trimBlanks(std::string_view(combined).substr(0, slash))) + '/' += rest;
}

} // namespace

ProfileFileFormat::Entries ProfileFileFormat::parse(std::string_view fileText) {
    Entries entries;
    std::string section;
    while (!fileText.empty()) {
        const std::size_t end = std::min(fileText.find_first_of("\r\n"), fileText.size());
        const std::string_view line = trimBlanks(fileText.substr(0, end));
        fileText.remove_prefix(std::min(end + 1, fileText.size()));

        if (isSectionHeader(line)) {
            section = trimBlanks(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || line.front() == ';' || line.front() == '#') {
            continue;
        }
        const std::string key = fullKey(section, trimBlanks(line.substr(0, equals)));
        if (!key.empty()) {
            entries[key] = std::string(trimBlanks(line.substr(equals + 1)));
        }
    }
    return entries;
}

std::string ProfileFileFormat::render(const Entries& entries) {
    std::string loose;
    std::string sections;
    std::string currentSection;
    for (const auto& [key, value] : entries) {
        const std::size_t slash = key.find('/');
        // Keys without a section (or with an empty one) go first, before any header.
        if (slash == std::string::npos || slash == 0) {
            loose += oneLine(key) + '=' + oneLine(value) + '\n';
            continue;
        }
        const std::string section = key.substr(0, slash);
        if (sections.empty() || section != currentSection) {
            sections += (sections.empty() ? "[" : "\n[") + oneLine(section) + "]\n";
            currentSection = section;
        }
        sections += oneLine(key.substr(slash + 1)) + '=' + oneLine(value) + '\n';
    }
    if (loose.empty() || sections.empty()) {
        return loose + sections;
    }
    return loose + '\n' + sections;
}

} // namespace fenwake
