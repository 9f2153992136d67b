#pragma once

// The unit in which the blood lipids are typed.
enum class LipidUnit { GramPerLitre, MillimolePerLitre };
