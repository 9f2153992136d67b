#pragma once

// The unit in which the blood creatinine is typed.
enum class CreatinineUnit { MilligramPerLitre, MicromolePerLitre };
