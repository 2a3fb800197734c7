#!/usr/bin/env python3
"""Mutation testing of the units: plants one small fault at a time in the
sources under units/, rebuilds, runs the tests that use the units and reports
the faults they let through. Started by scripts/mutants.sh, which configures
the build directory and restores a source left mutated by a killed run."""

import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = Path(os.environ.get("MUTANTS_BUILD", ROOT / "build" / "mutants"))
PRISTINE = BUILD / "mutants-pristine"  # the original of the file being mutated
LOGS = BUILD / "mutants-logs"
TARGETS = ["LxvD4", "lxv_tests_LxvD4", "lxvtrans", "formconv", "lxvdesign", "lxvdemo"]
# The programs' own runs, as ctest knows them (generation 4 only).
CTEST_REGEX = r"^(lxvtrans_|lxvdesign_.*_LxvD4$|lxvdesign_endless_script$)"

KEYWORDS = {"if", "for", "while", "switch", "return", "break", "continue", "case", "default", "delete",
            "throw", "goto", "else", "do", "using", "typedef", "namespace", "new", "static_assert"}
FLIP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}


@dataclass
class Mutant:
    path: str  # relative to ROOT
    line: int  # 1-based
    col: int  # 0-based start of the replaced text
    old: str
    new: str
    kind: str

    def apply(self, text):
        lines = text.split("\n")
        src = lines[self.line - 1]
        assert src[self.col:self.col + len(self.old)] == self.old, self
        lines[self.line - 1] = src[:self.col] + self.new + src[self.col + len(self.old):]
        return "\n".join(lines)

    def describe(self, text):
        before = text.split("\n")[self.line - 1]
        after = self.apply(text).split("\n")[self.line - 1]
        return f"{self.path}:{self.line}: {before.strip()} → {after.strip() or '(dropped)'}"


def mask(text):
    """`text` with comments and the insides of string and character literals
    blanked, same length and line breaks, so nothing in them is mutated."""
    out, i, n = list(text), 0, len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            blank(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            blank(i, end)
            i = end
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):  # 1'000 separators
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i + 1, j)
            i = j + 1
        else:
            i += 1
    return "".join(out)


def matching_paren(s, open_at):
    depth = 0
    for k in range(open_at, len(s)):
        depth += {"(": 1, ")": -1}.get(s[k], 0)
        if depth == 0:
            return k
    return -1


DECLARATION = re.compile(r"^\s*(const\s+)?[\w:<>]+[\s*&]+\w+\s*(=|\(|\{)")
STATEMENT = re.compile(r"^\s*([A-Za-z_]\w*(?:\(\))?(?:(?:\.|->|::)[A-Za-z_]\w*(?:\(\))?)*)\s*(\(|=[^=]|\+=|-=|\|=|\+\+|--)")


def line_mutants(path, number, code, source, prev_code, header):
    """The mutants of one line; `code` is the line masked, `source` as written."""
    stripped = code.strip()
    if not stripped or stripped.startswith("#") or prev_code.rstrip().endswith("\\"):
        return []
    if stripped.startswith(("static_assert", "template")):
        return []
    # A header line counts only where it holds code: a return or an inline body.
    if header and "return " not in code and not re.search(r"\{[^{}]*\S[^{}]*\}", code):
        return []
    found = []

    def add(col, old, new, kind):
        old = source[col:col + len(old)]  # masked text differs inside literals
        found.append(Mutant(path, number, col, old, new if new is not None else f"!({old})", kind))

    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", code):
        add(m.start(), m.group(1), FLIP[m.group(1)], "comparison")
    for m in re.finditer(r"(?<=\s)([+-]) 1\b(?!\.)", code):
        add(m.start(), m.group(0), ("-" if m.group(1) == "+" else "+") + " 1", "bound")
    for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.'])", code):
        value = int(m.group(1))
        for shifted in ([value + 1] if value == 0 else [value + 1, value - 1]):
            add(m.start(), m.group(1), str(shifted), "literal")
    for m in re.finditer(r"\bif \(", code):
        close = matching_paren(code, m.end() - 1)
        if close < 0:
            continue
        cond = code[m.end():close]
        start = m.end()
        if ";" in cond:  # an init-statement: the condition is what follows it
            start += cond.rindex(";") + 1
            while code[start] == " ":
                start += 1
            cond = code[start:close]
        if DECLARATION.match(cond):
            continue
        add(start, cond, None, "negation")  # the condition as written, negated
    for m in re.finditer(r"&&|\|\|", code):
        add(m.start(), m.group(0), "||" if m.group(0) == "&&" else "&&", "logic")
    for m in re.finditer(r"\b(true|false)\b", code):
        add(m.start(), m.group(0), "false" if m.group(0) == "true" else "true", "boolean")
    # Dropping a whole simple statement: one that begins and ends on this line.
    statement = STATEMENT.match(code)
    if statement and re.split(r"\W", statement.group(1))[0] not in KEYWORDS and stripped.endswith(";"):
        balanced = code.count("(") == code.count(")")
        begins_here = prev_code.strip() == "" or prev_code.rstrip().endswith((";", "{", "}"))
        if balanced and begins_here:
            indent = len(code) - len(code.lstrip())
            add(indent, code[indent:], "", "drop")
    return found


def enumerate_mutants():
    mutants, texts = [], {}
    for file in sorted((ROOT / "units").rglob("*")):
        if file.suffix not in (".cpp", ".h"):
            continue
        rel = str(file.relative_to(ROOT))
        text = file.read_text()
        texts[rel] = text
        masked = mask(text).split("\n")
        prev = ""
        for number, (code, source) in enumerate(zip(masked, text.split("\n")), 1):
            mutants += line_mutants(rel, number, code, source, prev, file.suffix == ".h")
            if code.strip():
                prev = code
    return mutants, texts


def run(cmd, log, timeout=None, cwd=None, env=None):
    """Exit status of `cmd`, its output appended to `log`; None after a timeout."""
    with open(log, "a") as out:
        out.write(f"$ {' '.join(map(str, cmd))}\n")
        out.flush()
        proc = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, cwd=cwd, env=env,
                                start_new_session=True)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            return None
        except BaseException:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            raise


def build(log):
    return run(["cmake", "--build", str(BUILD), "-j2", "--target", *TARGETS], log) == 0


def test(log, timeout, env):
    """'passed', 'failed' or 'timeout' for the suite that uses the units."""
    deadline = time.monotonic() + timeout
    binary = BUILD / "bin" / "lxv_tests_LxvD4"
    rc = run([binary, "--gtest_brief=1", "--gtest_fail_fast"], log, timeout, cwd=BUILD / "tests", env=env)
    if rc is None:
        return "timeout"
    if rc != 0:
        return "failed"
    if os.environ.get("MUTANTS_CTEST", "1") == "1":
        rc = run(["ctest", "--test-dir", str(BUILD), "-R", CTEST_REGEX, "--stop-on-failure", "-j2"], log,
                 max(1, deadline - time.monotonic()), env=env)
        if rc is None:
            return "timeout"
        if rc != 0:
            return "failed"
    return "passed"


def restore(path, original):
    (ROOT / path).write_text(original)  # a fresh time stamp, so the next build recompiles it
    (PRISTINE / path).unlink(missing_ok=True)


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 20
    shuffle = int(os.environ.get("MUTANTS_SHUFFLE", "1"))
    only = {int(x) for x in os.environ.get("MUTANTS_ONLY", "").replace(",", " ").split()}
    # Both unwind through the finally that restores the source, even where
    # the run was started with SIGINT ignored (in the background).
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    mutants, texts = enumerate_mutants()
    if os.environ.get("MUTANTS_FILES"):
        mutants = [m for m in mutants if re.search(os.environ["MUTANTS_FILES"], m.path)]
    # A shuffle, so a smaller sample is the start of a larger one.
    random.Random(shuffle).shuffle(mutants)
    sample = mutants[:count]
    print(f"{len(mutants)} mutants; {len(sample)} taken from shuffle {shuffle}")
    if os.environ.get("MUTANTS_LIST"):
        for index, mutant in enumerate(sample, 1):
            print(f"[{index}] {mutant.kind}: {mutant.describe(texts[mutant.path])}")
        return 0

    LOGS.mkdir(parents=True, exist_ok=True)
    scratch = tempfile.mkdtemp(prefix="mutants-")
    env = dict(os.environ, LXV_HEADLESS="1", XDG_CONFIG_HOME=scratch)
    env.pop("DISPLAY", None)

    baseline_log = LOGS / "baseline.log"
    baseline_log.unlink(missing_ok=True)
    started = time.monotonic()
    if not build(baseline_log):
        print(f"The unmutated sources do not build; see {baseline_log}")
        return 1
    started = time.monotonic()
    if test(baseline_log, 3600, env) != "passed":
        print(f"The tests fail without a mutant; see {baseline_log}")
        return 1
    baseline = time.monotonic() - started
    timeout = float(os.environ.get("MUTANTS_TIMEOUT", max(120, 4 * baseline)))
    print(f"Baseline: tests pass in {baseline:.0f} s; {timeout:.0f} s allowed per mutant")

    counts = {"killed": 0, "survived": 0, "build-failed": 0}
    survivors, spent = [], []
    for index, mutant in enumerate(sample, 1):
        if only and index not in only:
            continue
        original = texts[mutant.path]
        log = LOGS / f"{index:03d}.log"
        log.unlink(missing_ok=True)
        begun = time.monotonic()
        (PRISTINE / mutant.path).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(ROOT / mutant.path, PRISTINE / mutant.path)
        try:
            (ROOT / mutant.path).write_text(mutant.apply(original))
            if not build(log):
                verdict = "build-failed"
            else:
                outcome = test(log, timeout, env)
                verdict = "survived" if outcome == "passed" else "killed"
                if outcome == "timeout":
                    verdict += " (timeout)"
        finally:
            restore(mutant.path, original)
        spent.append(time.monotonic() - begun)
        counts[verdict.split()[0]] += 1
        description = mutant.describe(original)
        if verdict == "survived":
            survivors.append((index, description))
        print(f"[{index}/{len(sample)}] {verdict:<16} {spent[-1]:5.0f} s  {description}", flush=True)

    shutil.rmtree(scratch, ignore_errors=True)
    judged = counts["killed"] + counts["survived"]
    score = 100.0 * counts["killed"] / judged if judged else 0.0
    mean = sum(spent) / len(spent) if spent else 0.0
    print(f"\nScore: {counts['killed']} killed / {judged} = {score:.1f}%"
          f" ({counts['build-failed']} did not build, not counted); {mean:.0f} s per mutant")
    if survivors:
        print("Survivors:")
        for index, description in survivors:
            print(f"  [{index}] {description}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        print("Interrupted; the sources are as they were.", file=sys.stderr)
        sys.exit(130)
