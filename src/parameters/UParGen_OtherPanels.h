// The controls of the category panels that the family's other models show.
// They exist in every build so that the form serves the whole family.
#pragma once

struct TParGenOtherPanels {};
