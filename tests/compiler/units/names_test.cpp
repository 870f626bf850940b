// Named lists against a plain model: a vector searched from the back with
// equal_nocase. Long random runs of declarations, scope markers and pops,
// over names that differ only in case, must find what the model finds; the
// lists are long enough to be indexed, and the index is small enough that
// names share probe runs. A name group finds the earlier spelling of a name,
// short or long.
#include "symbols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using namespace kiln;

struct named {
    std::string name;
};

// The model: what a named list is defined to find.
named* model_find(const std::vector<named*>& items, const std::string& name)
{
    for (size_t i = items.size(); i-- > 0;)
        if (items[i] && equal_nocase(items[i]->name, name)) return items[i];
    return nullptr;
}

// A few spellings of a few names, so that names recur in other cases.
std::string random_name(std::mt19937& random)
{
    static const char* const names[] = {"x", "Count", "total_sum", "a_rather_long_name_of_a_variable", "Q9"};
    std::string name = names[random() % 5];
    for (char& c : name)
        if (random() % 2 && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (random() % 3 == 0) name += std::to_string(random() % 40);
    return name;
}

void check_all_names(const named_list<named>& list, const std::vector<named*>& model, std::mt19937& random)
{
    for (int probe = 0; probe < 20; ++probe) {
        std::string name = random_name(random);
        ASSERT_EQ(list.find_raw(name), model_find(model, name)) << name;
        ASSERT_EQ(list.find_raw(name, nocase_hash_of(name)), model_find(model, name)) << name;
    }
}

TEST(NamedList, FindsWhatASearchFromTheBackFinds)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::unique_ptr<named>> owned;
        named_list<named> list;
        std::vector<named*> model;
        if (seed % 2) list.reserve(40);  // indexed from the start, or once it grows
        for (int step = 0; step < 3000; ++step) {
            unsigned choice = random() % 10;
            if (choice < 6) {
                owned.push_back(std::make_unique<named>(named{random_name(random)}));
                list.push_back(owned.back().get());
                model.push_back(owned.back().get());
            } else if (choice < 8) {
                list.push_marker();
                model.push_back(nullptr);
            } else if (std::count(model.begin(), model.end(), nullptr) > 0) {
                list.pop_to_marker();
                while (model.back()) model.pop_back();
                model.pop_back();
            }
            ASSERT_EQ(list.size(), model.size());
            check_all_names(list, model, random);
        }
    }
}

TEST(NamedList, ShortListsAndEmptyOnes)
{
    named first{"Alpha"}, second{"ALPHA"}, other{"beta"};
    named_list<named> list;
    EXPECT_EQ(list.find_raw("alpha"), nullptr);
    list.push_back(&first);
    list.push_marker();
    list.push_back(&second);
    list.push_back(&other);
    EXPECT_EQ(list.find_raw("alpha"), &second);
    EXPECT_EQ(list.find_raw("BETA"), &other);
    EXPECT_EQ(list.find_raw("alph"), nullptr);
    list.pop_to_marker();
    EXPECT_EQ(list.find_raw("alpha"), &first);
    EXPECT_EQ(list.find_raw("beta"), nullptr);
    EXPECT_THROW(list.pop_to_marker(), const char*);
}

TEST(NocaseHash, NamesEqualIgnoringCaseHashAlike)
{
    const char* const pairs[][2] = {
        {"", ""},
        {"a", "A"},
        {"Initialization", "INITIALIZATION"},
        {"exactly8", "EXACTLY8"},
        {"a_name_of_seventeen", "A_NAME_OF_SEVENTEEN"},
    };
    for (const auto& pair : pairs) EXPECT_EQ(nocase_hash_of(pair[0]), nocase_hash_of(pair[1])) << pair[0];
    EXPECT_NE(nocase_hash_of("count1"), nocase_hash_of("count2"));
    EXPECT_NE(nocase_hash_of("abcdefgh1"), nocase_hash_of("abcdefgh2"));
}

TEST(NameGroup, FindsTheEarlierSpellingInShortAndLongGroups)
{
    for (int length : {1, 8, 9, 40}) {
        name_group group;
        for (int i = 0; i < length; ++i) {
            std::string name = "Name" + std::to_string(i);
            ASSERT_EQ(group.find(name), nullptr) << length << " " << name;
            group.add(name);
        }
        EXPECT_EQ(group.names().size(), size_t(length));
        for (int i = 0; i < length; ++i) {
            const std::string* earlier = group.find("NAME" + std::to_string(i));
            ASSERT_NE(earlier, nullptr) << length << " " << i;
            EXPECT_EQ(*earlier, "Name" + std::to_string(i));
        }
        EXPECT_EQ(group.find("Name"), nullptr);
        EXPECT_EQ(group.names().front(), "Name0");
    }
}

}  // namespace
