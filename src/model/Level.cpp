#include "model/Level.h"

#include <algorithm>

namespace mz {

std::size_t Levels::position(const Level& level) const {
  auto it = std::find_if(order_.begin(), order_.end(),
                         [&level](const std::unique_ptr<Level>& p) { return p.get() == &level; });
  return static_cast<std::size_t>(it - order_.begin());
}

Level* Levels::above(const Level& level) {
  std::size_t i = position(level);
  return i + 1 < order_.size() ? order_[i + 1].get() : nullptr;
}

Level* Levels::below(const Level& level) {
  std::size_t i = position(level);
  return i > 0 && i < order_.size() ? order_[i - 1].get() : nullptr;
}

Level* Levels::find(Ref<Level> ref) {
  for (auto& level : order_)
    if (ref.id != 0 && level->id == ref.id) return level.get();
  return nullptr;
}

const Level* Levels::find(Ref<Level> ref) const {
  return const_cast<Levels*>(this)->find(ref);
}

Level* Levels::byNumber(int n) {
  return n >= 1 && static_cast<std::size_t>(n) <= order_.size()
             ? order_[static_cast<std::size_t>(n - 1)].get()
             : nullptr;
}

Level& Levels::insertAbove(const Level* below, const Level& level) {
  std::size_t at = below ? std::min(position(*below) + 1, order_.size()) : 0;
  auto cell = std::make_unique<Level>(level);
  cell->id = ++lastId_;
  Level& inserted =
      **order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(at), std::move(cell));
  numberLevels();
  return inserted;
}

Level& Levels::append(const Level& level) {
  return insertAbove(highest(), level);
}

bool Levels::remove(const Level& level) {
  std::size_t i = position(level);
  if (i == order_.size()) return false;
  order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(i));
  numberLevels();
  return true;
}

int Levels::numberLevels() {
  int n = 0;
  for (auto& level : order_) level->number = ++n;
  return n;
}

}  // namespace mz
