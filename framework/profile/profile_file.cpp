#include "framework/profile/profile_file.h"

#include "framework/formats/profile_file_format.h"
#include "framework/language/translation.h"

namespace fenwake {

namespace {

ProfileFile::Contents refused(std::string problem) {
    return {ProfileFile::State::Refused, {}, std::move(problem)};
}

} // namespace

ProfileFile::ProfileFile(std::string path, std::string section)
    : filePath(path), ownSection(std::move(section)), file(std::move(path)),
      refusalText(Translation::inWords(file.refusal())) {}

ProfileFile::Contents ProfileFile::read() const {
    AtomicFile::Reading reading = file.read(sizeLimit);
    switch (reading.found) {
    case AtomicFile::Found::Missing:
        return {};
    case AtomicFile::Found::Refused:
        return refused(Translation::inWords(reading.problem));
    case AtomicFile::Found::TooLarge:
        return refused(Translation::fill(translated("%1 is larger than 1 MiB"), {filePath}));
    case AtomicFile::Found::Read:
        break;
    }
    if (!ProfileFileFormat::isProfileText(reading.text, ownSection)) {
        return refused(Translation::fill(translated("%1 is not a settings file"), {filePath}));
    }
    return {State::Read, std::move(reading.text), {}};
}

bool ProfileFile::replace(std::string_view text, std::string& problem,
                          const std::function<bool()>& mayRename) const {
    problem = Translation::inWords(file.replace(text, mayRename));
    return problem.empty();
}

void ProfileFile::removeLeftovers() const {
    file.removeLeftovers();
}

} // namespace fenwake
