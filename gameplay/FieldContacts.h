// What a ball or a missile does to the field when it touches a brick or an enemy. The field
// applies each hit at once (the brick's or enemy's own change, score, drops, spawns), so the
// next test of the same frame already sees its result.
#pragma once

#include <cstddef>

class FieldContacts {
 public:
  // Index in the brick list (the ten wall pieces first).
  virtual void HitBrick(std::size_t index) = 0;
  // Index in the enemy pool.
  virtual void HitEnemy(std::size_t index) = 0;

 protected:
  ~FieldContacts() = default;
};
