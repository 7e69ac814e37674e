// Objects of a class below a Qt object. The platform's own QObject classes
// carry no meta-object, so they are told apart with dynamic_cast.
#pragma once

#include <QObject>
#include <vector>

namespace platform {

template <class T>
std::vector<T*> Descendants(const QObject* root, bool directOnly = false) {
  std::vector<T*> found;
  for (QObject* child : root->children()) {
    if (T* match = dynamic_cast<T*>(child)) found.push_back(match);
    if (!directOnly) {
      for (T* deeper : Descendants<T>(child)) found.push_back(deeper);
    }
  }
  return found;
}

}  // namespace platform
