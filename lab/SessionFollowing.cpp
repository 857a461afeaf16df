// Following a droplet: picked by a click or a tap on its marker, or chosen from the keyboard.
#include "lab/Session.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace Lab {

namespace {
/// The keys of the focused microscope, by the names of the page's KeyboardEvent.key.
constexpr std::pair<std::string_view, FollowKey> FollowKeys[] = {
    {" ", FollowKey::Nearest},        {"Enter", FollowKey::Nearest}, {"ArrowLeft", FollowKey::Left},
    {"ArrowRight", FollowKey::Right}, {"ArrowUp", FollowKey::Up},    {"ArrowDown", FollowKey::Down},
};

Data::ViewDirection DirectionOf(FollowKey key) {
    switch (key) {
    case FollowKey::Left:
        return Data::ViewDirection::Left;
    case FollowKey::Right:
        return Data::ViewDirection::Right;
    case FollowKey::Up:
        return Data::ViewDirection::Up;
    case FollowKey::Down:
    case FollowKey::Nearest:
        break;
    }
    return Data::ViewDirection::Down;
}
} // namespace

std::optional<FollowKey> Session::FollowKeyNamed(std::string_view key) {
    const auto* found = std::find_if(std::begin(FollowKeys), std::end(FollowKeys),
                                     [key](const auto& entry) { return entry.first == key; });
    if (found == std::end(FollowKeys)) return std::nullopt;
    return found->second;
}

int Session::Follow(int droplet) {
    if (droplet < Data::DropletArray::Low || droplet > Data::DropletArray::High) droplet = 0;
    // The description is brought up to date at once after every choice of the student's.
    if (droplet == followed_) return ChangedDescription;
    followed_ = droplet;
    return ChangedMarkers | ChangedDescription;
}

int Session::FollowAt(double x, double y, double reach) {
    // Picked among the markers as drawn, which the student pointed at.
    return Follow(Data::NearestWithin(markers_, x, y, reach));
}

int Session::Follow(FollowKey key) {
    const int chosen = key == FollowKey::Nearest ? Data::DropletNearestCentre()
                                                 : Data::DropletToward(followed_, DirectionOf(key));
    // With no droplet in view there is nothing to follow; the droplet followed so far is kept.
    if (chosen <= 0) return ChangedDescription;
    return Follow(chosen);
}

int Session::LetGo() {
    return Follow(0);
}

} // namespace Lab
