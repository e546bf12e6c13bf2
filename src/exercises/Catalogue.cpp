#include "exercises/Catalogue.h"

namespace tesmoran {

const std::vector<Exercise>& ExerciseCatalogue() {
  static const std::vector<Exercise> catalogue;
  return catalogue;
}

const Exercise* FindExerciseByButton(std::string_view button) {
  for (const Exercise& e : ExerciseCatalogue()) {
    if (button == e.button) return &e;
  }
  return nullptr;
}

}  // namespace tesmoran
