#include "LanguageRegistry.h"

#include <vector>

namespace kforge {

std::map<std::string, std::shared_ptr<const Language>>& LanguageRegistry::Languages()
{
    static std::map<std::string, std::shared_ptr<const Language>> languages;
    return languages;
}

std::map<int, LanguageRegistry::Listener>& LanguageRegistry::Listeners()
{
    static std::map<int, Listener> listeners;
    return listeners;
}

void LanguageRegistry::Register(const std::string& name, const Language& language)
{
    Languages()[name] = std::make_shared<const Language>(language);
    // A listener may add or remove listeners: call a copy of the table.
    std::vector<Listener> listeners;
    for (const auto& entry : Listeners()) { listeners.push_back(entry.second); }
    for (const Listener& listener : listeners) { listener(name); }
}

std::shared_ptr<const Language> LanguageRegistry::Find(const std::string& name)
{
    auto found = Languages().find(name);
    return found == Languages().end() ? nullptr : found->second;
}

int LanguageRegistry::AddListener(Listener listener)
{
    static int nextId = 0;
    Listeners()[++nextId] = std::move(listener);
    return nextId;
}

void LanguageRegistry::RemoveListener(int id) { Listeners().erase(id); }

}  // namespace kforge
