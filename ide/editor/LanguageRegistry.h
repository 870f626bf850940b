// The process-wide table of languages by name. Editors look their language
// up by name when they colour; a registration tells the editors that use
// that name, so the later registration wins for every open editor.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Language.h"

namespace kforge {

class LanguageRegistry {
public:
    // Called with the name of every registration.
    using Listener = std::function<void(const std::string& name)>;

    // Stores language under name (the empty name is valid), replacing an
    // earlier one of that name, then tells every listener.
    static void Register(const std::string& name, const Language& language);
    // The language of that name (names compare exactly), or null.
    static std::shared_ptr<const Language> Find(const std::string& name);

    // Adds a listener; the returned id removes it.
    static int AddListener(Listener listener);
    static void RemoveListener(int id);

private:
    static std::map<std::string, std::shared_ptr<const Language>>& Languages();
    static std::map<int, Listener>& Listeners();
};

}  // namespace kforge
