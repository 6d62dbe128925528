#!/usr/bin/env python3
"""Writes the built-in motor parameter sets into resources/Motors.

The table below is the only source of the spindle data; every other value is
derived from it by the rules in resources/data-notes.md.  Run it after a change
to the table and commit the regenerated .mtr files together with this script.
"""

import math
import pathlib
import sys

DASM, PMSM = "DASM", "PMSM"

# Trip resistance in ohms for each sensor type, and its enumeration code.
SENSORS = {
    "off": (0, 1330),
    "NTC": (0x802A, 930),
    "PTC": (0x802B, 1330),
    "PT1000": (0x802C, 1500),
    "KTY84": (0x802D, 1140),
}

# Per type: family, designation, pole pairs, rated voltage (V), sensor,
# thermal time constant (s), ramp seconds per 1000 Hz, size class (S, M, L).
TYPES = {
    "ACK":    ("0318", "ACK",    1, 24.0, "PTC",    45,  4.0, "S"),
    "ACK-S":  ("0318", "ACK-S",  1, 24.0, "PTC",    40,  3.5, "S"),
    "ACR":    ("0425", "ACR",    2, 28.0, "PTC",    90,  8.0, "M"),
    "ACR-L":  ("0425", "ACR-L",  2, 28.0, "PTC",   110,  9.5, "M"),
    "ACV":    ("0530", "ACV",    2, 30.0, "KTY84", 150, 12.0, "M"),
    "ACV-HF": ("0530", "ACV-HF", 1, 30.0, "KTY84", 120, 10.0, "M"),
    "ACS":    ("0740", "ACS",    2, 32.0, "PT1000", 300, 25.0, "L"),
    "ACW":    ("0855", "ACW",    2, 32.0, "KTY84", 240, 15.0, "L"),
    "DCX":    ("0215", "DCX",    1, 18.0, "off",    20,  2.0, "S"),
    "DCM":    ("0306", "DCM",    1, 24.0, "NTC",    30,  2.5, "S"),
    "DCE":    ("0412", "DCE",    1, 28.0, "NTC",    50,  3.5, "S"),
    "DCE-S":  ("0412", "DCE-S",  1, 28.0, "NTC",    45,  3.0, "S"),
    "DCT":    ("0460", "DCT",    2, 30.0, "PT1000", 90,  5.0, "M"),
    "DCT-K":  ("0460", "DCT-K",  2, 30.0, "PT1000", 80,  4.5, "M"),
    "DCW":    ("0855", "DCW",    2, 32.0, "KTY84", 180,  8.0, "L"),
    "DCH":    ("1020", "DCH",    2, 32.0, "PT1000", 240, 12.0, "L"),
    "DCH-L":  ("1020", "DCH-L",  2, 32.0, "PT1000", 300, 14.0, "L"),
}

# One row per file: type, maximum speed (rpm), rated current (A), cos phi (%),
# rated frequency as a share of the maximum frequency.
FILES = [
    ("ACK",    40000,  3.2, 78, 1.00),
    ("ACK",    60000,  3.8, 78, 1.00),
    ("ACK-S",  50000,  3.0, 76, 1.00),
    ("ACR",    24000,  6.5, 80, 1.00),
    ("ACR",    30000,  7.0, 80, 0.96),
    ("ACR-L",  24000,  8.0, 81, 1.00),
    ("ACV",    18000,  9.0, 82, 1.00),
    ("ACV",    24000, 10.0, 82, 0.96),
    ("ACV-HF", 36000,  9.5, 80, 0.97),
    ("ACS",    12000, 13.5, 84, 1.00),
    ("ACW",    20000, 12.0, 83, 1.00),
    ("ACW",    30000, 13.0, 83, 0.95),
    ("DCX",   150000,  2.5, 95, 1.00),
    ("DCM",    60000,  3.5, 95, 1.00),
    ("DCM",    80000,  4.0, 95, 1.00),
    ("DCM",   100000,  4.5, 95, 1.00),
    ("DCE",    40000,  5.0, 96, 1.00),
    ("DCE",    60000,  5.5, 96, 1.00),
    ("DCE-S",  60000,  6.0, 96, 1.00),
    ("DCE-S",  80000,  6.5, 96, 1.00),
    ("DCT",    24000,  7.0, 96, 1.00),
    ("DCT",    40000,  8.5, 96, 1.00),
    ("DCT-K",  30000,  8.0, 96, 1.00),
    ("DCW",    24000, 11.0, 97, 1.00),
    ("DCW",    36000, 12.0, 97, 1.00),
    ("DCH",    18000, 13.0, 97, 1.00),
    ("DCH",    24000, 14.0, 97, 1.00),
    ("DCH-L",  18000, 14.5, 97, 1.00),
    ("DCH-L",  24000, 16.0, 97, 1.00),
]

# Speed and current controller settings by size class:
# VControlKP, VControlTN, SpeedControlKP, SpeedControlTN, SpeedControlTV, SpeedControlTF.
CONTROL = {
    (DASM, "S"): (20, 2, 50, 250, 30, 200),
    (DASM, "M"): (20, 3, 45, 300, 30, 200),
    (DASM, "L"): (18, 4, 40, 350, 40, 220),
    (PMSM, "S"): (30, 2, 70, 150, 20, 120),
    (PMSM, "M"): (25, 3, 60, 200, 25, 150),
    (PMSM, "L"): (22, 4, 50, 280, 30, 180),
}

# Motor set members: number, key, minimum, maximum, divisor, motor type
# (None for both).  Enumerations carry no limits here.
MEMBERS = [
    (41, "MinimumMotorFrequency", 5, 100, 1, None),
    (42, "MaximumMotorFrequency", 100, 4000, 1, None),
    (44, "MotorPeakCurrent", 0.5, 100, 10, None),
    (46, "AccelerationRamp", 0.5, 400, 10, None),
    (47, "DecelerationRamp", 0.5, 400, 10, None),
    (51, "StartupTime", 0.5, 100, 10, PMSM),
    (52, "StartupCurrent", 0.1, 16, 10, PMSM),
    (53, "StartupFrequency", 1, 30, 1, PMSM),
    (54, "SwitchoffTime", 200, 1000, 1, PMSM),
    (55, "DCBrakeTime", 0, 120, 10, DASM),
    (56, "DCBrakeCurrent", 0, 16, 10, DASM),
    (57, "HoldingCurrent", 0, 3, 10, None),
    (60, "Voltage0", 1, 65, 10, DASM),
    (61, "Frequency1", 5, 4000, 1, DASM),
    (62, "Voltage1", 1, 65, 10, DASM),
    (63, "Frequency2", 5, 4000, 1, DASM),
    (64, "Voltage2", 1, 65, 10, DASM),
    (65, "Frequency3", 5, 4000, 1, DASM),
    (66, "Voltage3", 1, 65, 10, DASM),
    (71, "IRFactor", 0, 10, 10, DASM),
    (72, "LoadCompFactor", 0, 40, 10, DASM),
    (73, "FilterTime", 1, 1000, 1, DASM),
    (75, "I2TThreshold", 0, 100, 10, None),
    (76, "I2TPeriod", 1, 3600, 1, None),
    (77, "I2TFunction", None, None, 1, None),
    (79, "VControlKP", 5, 100, 1, None),
    (80, "VControlTN", 1, 999, 1, None),
    (81, "SpeedControlKP", 5, 200, 1, None),
    (82, "SpeedControlTN", 0, 999, 1, None),
    (83, "SpeedControlTV", 0, 300, 1, None),
    (84, "SpeedControlTF", 1, 300, 1, None),
    (85, "MotorTemperatureMonitoring", None, None, 1, None),
    (86, "SensorResistanceValue", 500, 4000, 1, None),
    (90, "MotorType", None, None, 1, None),
    (91, "RatedMotorFrequency", 5, 4000, 1, None),
    (92, "RatedMotorVoltage", 0, 65, 10, None),
    (93, "RatedMotorCurrent", 0.5, 16, 10, None),
    (94, "cos_phi", 20, 100, 1, None),
    (96, "PolePairs", 1, 4, 1, None),
]

ENUMERATIONS = {
    "I2TFunction": {0x806A, 0x806B, 0x806C},
    "MotorTemperatureMonitoring": {0, 0x802A, 0x802B, 0x802C, 0x802D},
    "MotorType": {0x8002, 0x8003},
}

I2T_MOTOR_STOP = 0x806C


def round_half_up(x):
    return int(math.floor(x + 0.5))


def raw(value, divisor):
    return round_half_up(value * divisor)


def round_to(x, step):
    return step * round_half_up(x / step)


def clamp(x, low, high):
    return max(low, min(high, x))


def motor_set(type_name, rpm, rated_current, cos_phi, rated_share):
    family, designation, pole_pairs, rated_voltage, sensor, tau, ramp_per_khz, size = TYPES[type_name]
    kind = DASM if designation.startswith("AC") else PMSM
    f_max = rpm * pole_pairs // 60
    f_rated = round_half_up(f_max * rated_share)
    if kind == DASM:
        f_min = clamp(round_to(0.08 * f_max, 5), 20, 100)
        peak = round(1.5 * rated_current, 1)
    else:
        f_min = clamp(round_to(0.10 * f_max, 5), 30, 100)
        peak = round(2.0 * rated_current, 1)
    accel = max(1.0, round(ramp_per_khz * f_max / 1000.0, 1))
    decel = round(accel * 1.25, 1)
    sensor_code, sensor_ohm = SENSORS[sensor]
    control = CONTROL[(kind, size)]

    v = {
        "MinimumMotorFrequency": f_min,
        "MaximumMotorFrequency": f_max,
        "MotorPeakCurrent": raw(peak, 10),
        "AccelerationRamp": raw(accel, 10),
        "DecelerationRamp": raw(decel, 10),
        "HoldingCurrent": 0,
        "I2TThreshold": raw(100.0, 10),
        "I2TPeriod": tau,
        "I2TFunction": I2T_MOTOR_STOP,
        "VControlKP": control[0],
        "VControlTN": control[1],
        "SpeedControlKP": control[2],
        "SpeedControlTN": control[3],
        "SpeedControlTV": control[4],
        "SpeedControlTF": control[5],
        "MotorTemperatureMonitoring": sensor_code,
        "SensorResistanceValue": sensor_ohm,
        "MotorType": 0x8002 if kind == DASM else 0x8003,
        "RatedMotorFrequency": f_rated,
        "RatedMotorVoltage": raw(rated_voltage, 10),
        "RatedMotorCurrent": raw(rated_current, 10),
        "cos_phi": cos_phi,
        "PolePairs": pole_pairs,
    }

    if kind == PMSM:
        v["StartupTime"] = raw({"S": 1.0, "M": 2.0, "L": 3.0}[size], 10)
        v["StartupCurrent"] = raw(min(10.0, round(0.8 * rated_current, 1)), 10)
        v["StartupFrequency"] = 20 if pole_pairs == 1 else 15
        v["SwitchoffTime"] = {"S": 300, "M": 400, "L": 500}[size]
    else:
        boost = max(1.0, round(0.04 * rated_voltage, 1))
        f1 = max(5, round_half_up(0.1 * f_rated))
        f2 = round_half_up(0.5 * f_rated)

        def u(f):
            return round(boost + (rated_voltage - boost) * f / f_rated, 1)

        v["DCBrakeTime"] = raw({"S": 1.0, "M": 2.0, "L": 3.0}[size], 10)
        v["DCBrakeCurrent"] = raw(min(5.0, round(0.5 * rated_current, 1)), 10)
        v["Voltage0"] = raw(boost, 10)
        v["Frequency1"] = f1
        v["Voltage1"] = raw(u(f1), 10)
        v["Frequency2"] = f2
        v["Voltage2"] = raw(u(f2), 10)
        v["Frequency3"] = f_rated
        v["Voltage3"] = raw(rated_voltage, 10)
        v["IRFactor"] = raw({"S": 1.0, "M": 1.5, "L": 2.0}[size], 10)
        v["LoadCompFactor"] = raw({"S": 5.0, "M": 7.5, "L": 10.0}[size], 10)
        v["FilterTime"] = {"S": 20, "M": 30, "L": 50}[size]

    name = "%s %s - %d rpm.mtr" % (family, designation, rpm)
    return name, kind, v


def check(name, kind, values):
    for number, key, low, high, divisor, only in MEMBERS:
        if only is not None and only != kind:
            continue
        value = values[key]
        if key in ENUMERATIONS:
            ok = value in ENUMERATIONS[key]
        else:
            ok = 0 <= value <= 0xFFFF and low <= value / divisor <= high
        if not ok:
            sys.exit("%s: %s=%d is out of range" % (name, key, value))
    if kind == DASM:
        f = [values[k] for k in ("Frequency1", "Frequency2", "Frequency3")]
        u = [values[k] for k in ("Voltage0", "Voltage1", "Voltage2", "Voltage3")]
        if not (f[0] <= f[1] <= f[2] <= values["MaximumMotorFrequency"]) or u != sorted(u):
            sys.exit("%s: U/f points are not ascending" % name)
    if not values["MinimumMotorFrequency"] <= values["RatedMotorFrequency"] <= values["MaximumMotorFrequency"]:
        sys.exit("%s: rated frequency outside the frequency range" % name)
    if values["MotorPeakCurrent"] <= values["RatedMotorCurrent"]:
        sys.exit("%s: peak current not above rated current" % name)


def render(kind, values):
    lines = ["[Parameters]"]
    for number, key, low, high, divisor, only in MEMBERS:
        if only is None or only == kind:
            lines.append("%s=%d" % (key, values[key]))
    return "".join(line + "\r\n" for line in lines)


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "resources" / "Motors"
    target.mkdir(parents=True, exist_ok=True)
    written = set()
    for row in FILES:
        name, kind, values = motor_set(*row)
        check(name, kind, values)
        if name in written:
            sys.exit("duplicate file name " + name)
        written.add(name)
        (target / name).write_bytes(render(kind, values).encode("ascii"))
    for stale in target.glob("*.mtr"):
        if stale.name not in written:
            stale.unlink()
    print("%d motor files written to %s" % (len(written), target))


if __name__ == "__main__":
    main()
