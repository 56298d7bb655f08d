#include "windows/first_match_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vz {
namespace {

std::string nameOf(const std::string& text) {
    return text;
}

// Random appends, renames and removals over a few names, with duplicates
// differing in case, against a plain vector searched from the front; enough
// removals to renumber the slots several times.
TEST(FirstMatchList, AgreesWithASearchFromTheFront) {
    const std::string names[] = {"ann", "Ann", "ANN", "bob", "Bob", "cid", "дід", "ДІД"};
    FirstMatchList<std::string, nameOf> list;
    std::vector<std::string> model;
    std::mt19937 random(7);
    for (int step = 0; step < 20000; ++step) {
        const std::string& name = names[random() % std::size(names)];
        const auto exact = std::find(model.begin(), model.end(), name);
        const auto folded = std::find_if(model.begin(), model.end(), [&](const std::string& s) {
            return equalsIgnoreCase(s, name);
        });
        const auto found = list.findExact(name);
        ASSERT_EQ(found.has_value(), exact != model.end()) << step;
        const auto foundFolded = list.findIgnoringCase(name);
        ASSERT_EQ(foundFolded.has_value(), folded != model.end()) << step;
        if (found) {
            ASSERT_EQ(list.positionOf(*found), std::size_t(exact - model.begin())) << step;
        }
        if (foundFolded) {
            ASSERT_EQ(list.positionOf(*foundFolded), std::size_t(folded - model.begin())) << step;
        }
        const unsigned action = random() % (model.size() > 30 ? 3 : 2);
        if (action == 0 || !foundFolded) {
            list.append(name);
            model.push_back(name);
        } else if (action == 1) {
            const std::string& renamed = names[random() % std::size(names)];
            list.replace(*foundFolded, renamed);
            *folded = renamed;
        } else {
            list.erase(*foundFolded);
            model.erase(folded);
        }
        ASSERT_EQ(list.size(), model.size());
    }
    for (std::size_t position = 0; position < model.size(); ++position)
        EXPECT_EQ(list[position], model[position]);
}

} // namespace
} // namespace vz
