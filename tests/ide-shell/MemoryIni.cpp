#include "MemoryIni.h"

#include "Texts.h"

#include <algorithm>

using kforge::EqualsIgnoreCase;

std::string MemoryIni::Text(const std::string& file) const
{
    auto found = files_.find(file);
    if (found == files_.end()) return "";
    std::string text;
    for (const Section& section : found->second) {
        text += "[" + section.name + "]\r\n";
        for (const auto& [key, value] : section.keys) text += key + "=" + value + "\r\n";
    }
    return text;
}

void MemoryIni::SetText(const std::string& file, const std::string& text)
{
    Sections& sections = files_[file];
    sections.clear();
    std::string::size_type from = 0;
    while (from < text.size()) {
        auto end = text.find("\r\n", from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 2;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
        } else if (auto equals = line.find('='); equals != std::string::npos && !sections.empty()) {
            sections.back().keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
}

MemoryIni::Section* MemoryIni::FindSection(const std::string& file, const std::string& section)
{
    auto found = files_.find(file);
    if (found == files_.end()) return nullptr;
    for (Section& s : found->second) {
        if (EqualsIgnoreCase(s.name, section)) return &s;
    }
    return nullptr;
}

std::string MemoryIni::ReadIni(const std::string& file, const std::string& section, const std::string& key)
{
    ++readCount;
    if (Section* s = FindSection(file, section)) {
        for (const auto& [name, value] : s->keys) {
            if (EqualsIgnoreCase(name, key)) return value;
        }
    }
    return "";
}

std::vector<std::string> MemoryIni::ReadIniKeys(const std::string& file, const std::string& section)
{
    std::vector<std::string> names;
    if (Section* s = FindSection(file, section)) {
        for (const auto& entry : s->keys) names.push_back(entry.first);
    }
    return names;
}

bool MemoryIni::WriteIni(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& value)
{
    if (writesBeforeFailure == 0) return false;
    if (writesBeforeFailure > 0) --writesBeforeFailure;
    Section* s = FindSection(file, section);
    if (!s) s = &files_[file].emplace_back(Section{section, {}});
    auto entry = std::find_if(s->keys.begin(), s->keys.end(),
                              [&](const auto& e) { return EqualsIgnoreCase(e.first, key); });
    if (entry != s->keys.end()) {
        entry->second = value;
    } else {
        s->keys.emplace_back(key, value);
    }
    return true;
}

void MemoryIni::DeleteIniSection(const std::string& file, const std::string& section)
{
    auto found = files_.find(file);
    if (found == files_.end()) return;
    Sections& sections = found->second;
    sections.erase(std::remove_if(sections.begin(), sections.end(),
                                  [&](const Section& s) { return EqualsIgnoreCase(s.name, section); }),
                   sections.end());
}

bool MemoryIni::EditAtomically(const std::string& file, const std::function<bool(const std::string& copy)>& edit)
{
    const std::string copy = file + ".copy";
    auto found = files_.find(file);
    files_[copy] = found == files_.end() ? Sections{} : found->second;
    const bool edited = edit(copy);
    if (edited) files_[file] = files_[copy];
    files_.erase(copy);
    return edited;
}
