#!/usr/bin/env bash
# Plants one-line faults in the core library, one at a time, and checks that the
# tests of the area fail on each. A fault the tests let through is a gap in the tests.
#
# Usage: scripts/mutation-check.sh [build-dir] [fault-number...]
#   build-dir  a configured build tree (default: build)
#   numbers    run only these faults (1-based), e.g. to retry one
#
# Each fault is a literal text replaced once in one source file; the file is put
# back from a copy whatever happens. The CPU lock (tlock) is taken per fault, so
# other builds can run between two faults; MUTATION_LOCK=none runs without it.
# Exit status: the number of surviving faults.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
shift || true
[[ $build = /* ]] || build="$root/$build"
only=("$@")
# MUTATION_LOCK=none when the caller already holds the CPU lock.
lock=${MUTATION_LOCK:-$(command -v tlock || true)}
[[ $lock == none ]] && lock=""

# The tests that run for a fault in each area: the core tables and the windows
# that show those results.
declare -A TESTS=(
  [calc]="test_calc_engine|test_number_text|test_line_editing|test_tape|test_frm_calc"
  [tape]="test_tape|test_line_editing|test_tape_file|test_tape_file_commands|test_tape_print_layout|test_frm_calc"
  [medical]="test_med_numbers|test_med_formulas|test_tobacco_score|test_frm_med"
  [pregnancy]="test_date_text|test_milestones|test_pregnancy_status|test_pregnancy_form|test_pregnancy_dating|test_frm_gros"
  [dates]="test_date_calculations|test_frm_date|test_calendar_model|test_calendar_widget"
)

# area @@ file @@ text @@ replacement
FAULTS=$(cat <<'EOF'
calc @@ src/calc/Operators.cpp @@ case Operator::Add: return checked(a, a + o); @@ case Operator::Add: return checked(a, a - o);
calc @@ src/calc/Operators.cpp @@ case Operator::Divide: return o == 0 ? @@ case Operator::Divide: return o == 1 ?
calc @@ src/calc/Operators.cpp @@ accepted(double(d % q)) @@ accepted(double(q % d))
calc @@ src/calc/Operators.cpp @@ if (a < 0 && o - std::trunc(o) != 0) @@ if (a < 0 && o - std::trunc(o) == 0)
calc @@ src/calc/Operators.cpp @@ std::max(decimalCount(a), decimalCount(o)) @@ std::min(decimalCount(a), decimalCount(o))
calc @@ src/calc/Functions.cpp @@ case FunctionKey::Square: return finite(x * x); @@ case FunctionKey::Square: return finite(x * 2);
calc @@ src/calc/CalcEngine.cpp @@ m_accumulator = -1 * m_accumulator; @@ m_accumulator = 1 * m_accumulator;
calc @@ src/calc/CalcEngine.cpp @@ if (m_display.size() == 1 || @@ if (m_display.size() == 2 ||
calc @@ src/calc/DecimalText.cpp @@ (kept.back() - '0') % 2 == 1 @@ (kept.back() - '0') % 2 == 0
calc @@ src/calc/NumberText.cpp @@ else if (c == QLatin1Char(',') && !comma) @@ else if (c == QLatin1Char(','))
tape @@ src/tape/LineEditor.cpp @@ modified = m_last - m_first + 1 >= 2; @@ modified = m_last - m_first + 1 >= 3;
tape @@ src/tape/LineEditor.cpp @@ press && Functions::needsDecimals(press->key)) @@ press && Functions::needsDecimals(press->key) && press->button == KeyButton::Right)
tape @@ src/tape/Recalculator.cpp @@ value.number = -1 * value.number; @@ value.number = 1 * value.number;
tape @@ src/tape/Recalculator.cpp @@ for (qint64 i = first + 1; i <= last; ++i) @@ for (qint64 i = first + 1; i < last; ++i)
tape @@ src/tape/TapeFileFormat.cpp @@ out += char('0' + kindOf(line)); @@ out += char('1' + kindOf(line));
tape @@ src/tape/TapeFieldReader.cpp @@ if (c == Comma || c == Lf) { @@ if (c == Comma) {
tape @@ src/tape/TapeFieldReader.cpp @@ if ((m_pos < m_size || refill()) && byteAt(m_pos) == Lf) @@ if (m_pos < m_size && byteAt(m_pos) == Lf)
medical @@ src/medical/Cockcroft.cpp @@ (140 - age) * weight @@ (145 - age) * weight
medical @@ src/medical/Mdrd.cpp @@ WomanFactor = 0.742; @@ WomanFactor = 0.724;
medical @@ src/medical/CkdEpi.cpp @@ WomanFactor = 1.018; @@ WomanFactor = 1.081;
medical @@ src/medical/CkdEpi.cpp @@ std::pow(std::min(ratio, 1.0), alpha) @@ std::pow(std::max(ratio, 1.0), alpha)
medical @@ src/medical/Bmi.cpp @@ if (oneDecimalIndex < 25) @@ if (oneDecimalIndex <= 25)
medical @@ src/medical/RenalClass.cpp @@ if (whole >= 60) @@ if (whole > 60)
medical @@ src/medical/Friedewald.cpp @@ lipids.triglycerides / TriglycerideDivisor + lipids.hdl @@ lipids.triglycerides / TriglycerideDivisor - lipids.hdl
medical @@ src/medical/TobaccoScore.cpp @@ if (score >= 7) @@ if (score >= 8)
pregnancy @@ src/pregnancy/Milestones.cpp @@ "Limite IVG par RU 486", Base::Given, days(62) @@ "Limite IVG par RU 486", Base::Given, days(63)
pregnancy @@ src/pregnancy/Milestones.cpp @@ "Grossesse unique (>= 2 enfants)", Base::Given, days(125) @@ "Grossesse unique (>= 2 enfants)", Base::Given, days(126)
pregnancy @@ src/pregnancy/PregnancyDating.cpp @@ kDaysFromPeriodToConception = 14; @@ kDaysFromPeriodToConception = 15;
pregnancy @@ src/pregnancy/PregnancyDating.cpp @@ static_cast<int>(std::nearbyint(kLccFactor @@ static_cast<int>(std::floor(kLccFactor
pregnancy @@ src/pregnancy/PregnancyStatus.cpp @@ if (!term || day >= *term) @@ if (!term || day > *term)
pregnancy @@ src/pregnancy/DateText.cpp @@ return year < kTwoDigitYearPivot ? @@ return year <= kTwoDigitYearPivot ?
pregnancy @@ src/pregnancy/PregnancyForm.cpp @@ DateText::addDays(*ddg, -14) @@ DateText::addDays(*ddg, -15)
dates @@ src/datecalc/DateInterval.cpp @@ if (!next || *next > end) @@ if (!next || *next >= end)
dates @@ src/datecalc/DateInterval.cpp @@ interval.years * 12 + interval.months @@ interval.years * 12 - interval.months
dates @@ src/datecalc/TargetDate.cpp @@ const int sign = add ? 1 : -1; @@ const int sign = 1;
calc @@ src/calc/FrenchNumber.cpp @@ setFlag(QLocale::RejectGroupSeparator, !thousandsSeparator) @@ setFlag(QLocale::RejectGroupSeparator, thousandsSeparator)
EOF
)

# With -Werror a planted fault that leaves an unused variable stops the build
# before any test runs, which would hide a surviving fault.
if grep -q '^TARVOLIX_WERROR:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  echo "$build is configured with TARVOLIX_WERROR=ON; use a build tree without it" >&2
  exit 100
fi

backup=$(mktemp -d)
current=""
# A plain copy gives the file a new time, so the next build recompiles it.
restore() { [[ -n $current ]] && cp "$backup/file" "$root/$current"; current=""; }
trap 'restore; rm -rf "$backup"' EXIT
trap 'exit 130' INT TERM

# A planted fault must never meet another build of this tree: with the lock,
# each fault runs whole (plant, build, test, put back) inside it.
if [[ -n $lock ]]; then
  killed=0 survived=0 broken=0
  count=$(grep -c ' @@ ' <<< "$FAULTS")
  for ((n = 1; n <= count; n++)); do
    if ((${#only[@]})) && [[ " ${only[*]} " != *" $n "* ]]; then continue; fi
    out=$($lock env MUTATION_LOCK=none bash "$0" "$build" "$n" | grep -v '^killed ')
    echo "$out"
    case $out in
      *KILLED*) killed=$((killed + 1)) ;;
      *SURVIVED*) survived=$((survived + 1)) ;;
      *) broken=$((broken + 1)) ;;
    esac
  done
  echo "killed $killed, survived $survived, not applied or not built $broken"
  exit $((survived + broken))
fi

killed=0 survived=0 broken=0 n=0
while IFS= read -r line; do
  [[ -z $line ]] && continue
  n=$((n + 1))
  if ((${#only[@]})) && [[ " ${only[*]} " != *" $n "* ]]; then continue; fi
  area=${line%% @@ *}; rest=${line#* @@ }
  file=${rest%% @@ *}; rest=${rest#* @@ }
  from=${rest%% @@ *}; to=${rest#* @@ }
  tests=${TESTS[$area]}
  cp "$root/$file" "$backup/file"
  current=$file
  FROM=$from TO=$to perl -0pi -e 's/\Q$ENV{FROM}\E/$ENV{TO}/' "$root/$file"
  if cmp -s "$root/$file" "$backup/file"; then
    echo "$n NOT APPLIED  $file: $from"
    broken=$((broken + 1)); restore; continue
  fi
  # shellcheck disable=SC2086
  $lock bash -c "cmake --build '$build' -j2 --target ${tests//|/ } >/dev/null 2>&1 || exit 2
                 timeout 600 ctest --test-dir '$build' -j2 -R '^($tests)\$' >'$backup/ctest.log' 2>&1"
  status=$?
  restore
  # The tests that failed, as ctest lists them at the end.
  by=$(sed -n 's/^[[:space:]]*[0-9]* - \([a-z_0-9]*\) .*/\1/p' "$backup/ctest.log" 2>/dev/null | tr '\n' ' ')
  if ((status == 2)); then
    # A fault that does not compile proves nothing about the tests.
    echo "$n DOES NOT BUILD  $file: $from -> $to"; broken=$((broken + 1))
  elif ((status != 0)); then
    echo "$n KILLED by ${by:-?} $file: $from -> $to"; killed=$((killed + 1))
  else
    echo "$n SURVIVED  $file: $from -> $to"; survived=$((survived + 1))
  fi
done <<< "$FAULTS"

echo "killed $killed, survived $survived, not applied or not built $broken"
exit $((survived + broken))
