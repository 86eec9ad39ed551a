#include "wheels/wheel_items.h"

namespace halcyra {

std::string WheelText::Describe() const {
  if (!glyphCodes) return text;
  std::string described;
  for (unsigned char code : text) described += "<g" + std::to_string(code) + ">";
  return described;
}

}  // namespace halcyra
