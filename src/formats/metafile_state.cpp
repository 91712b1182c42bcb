#include "formats/metafile_state.h"

#include <cmath>

namespace vendaro::metafile {

Affine Affine::then(const Affine& n) const {
  return {m11 * n.m11 + m12 * n.m21, m11 * n.m12 + m12 * n.m22, m21 * n.m11 + m22 * n.m21,
          m21 * n.m12 + m22 * n.m22, dx * n.m11 + dy * n.m21 + n.dx, dx * n.m12 + dy * n.m22 + n.dy};
}

double Affine::lengthScale() const { return std::sqrt(std::abs(m11 * m22 - m12 * m21)); }

double Affine::verticalScale() const { return std::hypot(m21, m22); }

bool ObjectTable::add(GdiObject object) {
  for (GdiObject& slot : objects_) {
    if (std::holds_alternative<std::monostate>(slot)) {
      slot = std::move(object);
      return true;
    }
  }
  return false;
}

bool ObjectTable::put(uint32_t index, GdiObject object) {
  if (index >= objects_.size()) return false;
  objects_[index] = std::move(object);
  return true;
}

const GdiObject* ObjectTable::at(uint32_t index) const {
  if (index >= objects_.size() || std::holds_alternative<std::monostate>(objects_[index])) return nullptr;
  return &objects_[index];
}

bool ObjectTable::remove(uint32_t index) {
  if (index >= objects_.size()) return false;
  objects_[index] = std::monostate{};
  return true;
}

}  // namespace vendaro::metafile
