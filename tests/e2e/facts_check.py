#!/usr/bin/env python3
"""Runs orvanel-facts.exe and compares what the SMBIOS, CPU, memory, software
and date/time collectors report with what Linux says about the same machine,
wherever Wine passes the host's facts through; elsewhere it checks that every
operation printed a value of the right shape.

usage: facts_check.py <folder with orvanel-facts.exe>
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import time

import factslib
from factslib import check, failures, read

EXPECTED = {
    "CDumpSMBIOS": ["MajorVersion", "MinorVersion", "BiosVersion", "ModuleMemoryType", "DeviceMemoryType",
                    "GetMemoryType"],
    "CHardwareCPU": ["GetProcessorName", "GetBrandString", "GetFamily", "GetExtFamily", "GetModel", "GetExtModel",
                     "GetStepping", "GetMaxClock", "GetFeatures", "GetCacheL1Data", "GetCacheL1Instruction",
                     "GetCacheL2", "GetCacheL3", "GetCoreCount", "GetThreadCount", "GetSocketCount", "GetUsage"],
    "CHardwareMemory": ["FormFactor", "MemoryTypeText", "ConfiguredClock", "GetMemoryType", "GetInstalledMemory",
                        "GetMemoryLoad"],
    "CSoftware": ["GetWindowsName", "GetEdition", "GetBitness", "GetServicePack", "GetInstallDate",
                  "GetLastBootTime", "GetSerialNumber", "GetThreadTotal", "ReadEventLog(System)",
                  "ReadEventLog(Application)"],
    "CDateTime": ["GetTimeText", "GetDateText", "GetWeekday", "GetTimeZone", "GetDayOfYear", "GetWeekNumber",
                  "GetUnixTime"],
}

def run_facts(exe_dir):
    out, facts, lists, before, after = factslib.run_facts(exe_dir)
    for cls, ops in EXPECTED.items():
        for op in ops:
            check(cls + "::" + op in facts, "%s::%s was not printed" % (cls, op))
    return facts, lists, before, after


def cpuinfo():
    """The first processor's fields and the list of all processors' fields."""
    cpus, current = [], {}
    for line in (read("/proc/cpuinfo") or "").splitlines():
        if not line.strip():
            if current:
                cpus.append(current)
            current = {}
            continue
        key, _, value = line.partition(":")
        current[key.strip()] = value.strip()
    if current:
        cpus.append(current)
    return cpus


# The processor brand string as the CPUID instruction gives it to programs
# on this host. The kernel's "model name" may differ from it under some
# hypervisors, while Windows programs, ours included, see what CPUID says.
CPUID_BRAND_C = r"""
#include <cpuid.h>
#include <stdio.h>
#include <string.h>
int main(void) {
    unsigned int r[12];
    char brand[49];
    if (__get_cpuid_max(0x80000000u, 0) < 0x80000004u) return 1;
    for (unsigned int i = 0; i < 3; ++i)
        __get_cpuid(0x80000002u + i, &r[4 * i], &r[4 * i + 1], &r[4 * i + 2], &r[4 * i + 3]);
    memcpy(brand, r, 48);
    brand[48] = 0;
    fputs(brand, stdout);
    return 0;
}
"""


def cpuid_brand():
    """The host's CPUID brand string (up to its first NUL), or None when the
    processor has none; a helper that does not build is a failure."""
    with tempfile.TemporaryDirectory() as tmp:
        src, exe = os.path.join(tmp, "brand.c"), os.path.join(tmp, "brand")
        with open(src, "w") as f:
            f.write(CPUID_BRAND_C)
        built = subprocess.run(["gcc", "-O1", "-o", exe, src], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if built.returncode != 0:
            failures.append("the CPUID helper did not build: " + built.stdout.decode(errors="replace"))
            return None
        ran = subprocess.run([exe], stdout=subprocess.PIPE)
        if ran.returncode != 0:
            return None
        return ran.stdout.decode("latin-1")


def host_caches():
    """{(level, type): (count, size KiB)} from sysfs, one entry per distinct cache."""
    seen = {}
    base = "/sys/devices/system/cpu"
    for cpu in sorted(os.listdir(base)) if os.path.isdir(base) else []:
        cache = os.path.join(base, cpu, "cache")
        if not re.fullmatch(r"cpu\d+", cpu) or not os.path.isdir(cache):
            continue
        for index in os.listdir(cache):
            d = os.path.join(cache, index)
            level, kind, size, shared = (read(os.path.join(d, n)) for n in ("level", "type", "size",
                                                                                "shared_cpu_list"))
            if None in (level, kind, size, shared) or not size.endswith("K"):
                continue
            seen[(int(level), kind, shared)] = int(size[:-1])
    caches = {}
    for (level, kind, _), size in seen.items():
        count, _ = caches.get((level, kind), (0, 0))
        caches[(level, kind)] = (count + 1, size)
    return caches


def clean_name(brand):
    return brand.replace("(tm)", "").replace("\t", "").strip()


def check_cpu(facts):
    cpus = cpuinfo()
    brand = cpuid_brand()
    if brand is not None:
        check(facts.get("CHardwareCPU::GetProcessorName") == clean_name(brand),
              "processor name %r, CPUID on the host says %r" % (facts.get("CHardwareCPU::GetProcessorName"), brand))
        check(facts.get("CHardwareCPU::GetBrandString", "").strip() == brand.strip(),
              "brand string %r, CPUID on the host says %r" % (facts.get("CHardwareCPU::GetBrandString"), brand))
    if cpus and "cpu family" in cpus[0]:
        try:
            family = int(facts["CHardwareCPU::GetFamily"], 16)
            ext_family = int(facts["CHardwareCPU::GetExtFamily"], 16)
            model = int(facts["CHardwareCPU::GetModel"], 16)
            ext_model = int(facts["CHardwareCPU::GetExtModel"], 16)
            stepping = int(facts["CHardwareCPU::GetStepping"], 16)
        except (KeyError, ValueError):
            failures.append("family/model/stepping are not hexadecimal")
        else:
            display_family = family + (ext_family if family == 0xF else 0)
            display_model = model + ((ext_model << 4) if family in (6, 0xF) else 0)
            check(display_family == int(cpus[0]["cpu family"]),
                  "family %X+%X, the host says %s" % (family, ext_family, cpus[0]["cpu family"]))
            check(display_model == int(cpus[0]["model"]),
                  "model %X/%X, the host says %s" % (model, ext_model, cpus[0]["model"]))
            if cpus[0].get("stepping", "").isdigit():
                check(stepping == int(cpus[0]["stepping"]), "stepping %X, the host says %s" %
                      (stepping, cpus[0]["stepping"]))
    # Flags the host has that we must list too (the kernel may hide some we
    # see, never the other way round).
    flags = set(cpus[0].get("flags", "").split()) if cpus else set()
    ours = set(facts.get("CHardwareCPU::GetFeatures", "").split(", "))
    for flag, name in (("sse", "SSE"), ("sse2", "SSE2"), ("ssse3", "SSSE3"), ("sse4_1", "SSE4.1"),
                       ("sse4_2", "SSE4.2"), ("popcnt", "POPCNT"), ("aes", "AES"), ("avx", "AVX"),
                       ("avx2", "AVX2"), ("bmi1", "BMI1"), ("bmi2", "BMI2"), ("mmx", "MMX"), ("cx8", "CX8")):
        if flag in flags:
            check(name in ours, "the host has %s but the feature list %r lacks %s" % (flag, ours, name))

    if cpus and all("physical id" in c and "core id" in c for c in cpus):
        check(facts.get("CHardwareCPU::GetThreadCount") == str(len(cpus)),
              "%s threads, the host has %d processors" % (facts.get("CHardwareCPU::GetThreadCount"), len(cpus)))
        cores = {(c["physical id"], c["core id"]) for c in cpus}
        check(facts.get("CHardwareCPU::GetCoreCount") == str(len(cores)),
              "%s cores, the host has %d" % (facts.get("CHardwareCPU::GetCoreCount"), len(cores)))
        sockets = {c["physical id"] for c in cpus}
        check(facts.get("CHardwareCPU::GetSocketCount") == str(len(sockets)),
              "%s sockets, the host has %d" % (facts.get("CHardwareCPU::GetSocketCount"), len(sockets)))

    caches = host_caches()
    if caches:
        def text(level, kinds, dash=False):
            found = [caches[(level, k)] for k in kinds if (level, k) in caches]
            if not found:
                return "-" if dash else "0 x 0 KBytes"
            return "%d x %d KBytes" % (sum(c for c, _ in found), found[-1][1])
        for op, want in (("GetCacheL1Data", text(1, ["Data"])),
                         ("GetCacheL1Instruction", text(1, ["Instruction"])),
                         ("GetCacheL2", text(2, ["Unified", "Data", "Instruction"])),
                         ("GetCacheL3", text(3, ["Unified", "Data", "Instruction"], dash=True))):
            check(facts.get("CHardwareCPU::" + op) == want,
                  "%s is %r, the host's caches give %r" % (op, facts.get("CHardwareCPU::" + op), want))

    check(re.fullmatch(r"\d+ MHz", facts.get("CHardwareCPU::GetMaxClock", "")) is not None,
          "maximum clock %r" % facts.get("CHardwareCPU::GetMaxClock"))
    usage = int(facts.get("CHardwareCPU::GetUsage", "-2"))
    check(0 <= usage <= 100, "CPU usage %d out of range" % usage)


def check_memory(facts):
    m = re.search(r"MemTotal:\s+(\d+) kB", read("/proc/meminfo") or "")
    installed = facts.get("CHardwareMemory::GetInstalledMemory", "")
    shape = re.fullmatch(r"(\d+) MBytes", installed)
    check(shape is not None, "installed memory %r is not '%%u MBytes'" % installed)
    if m and shape:
        host_mib = int(m.group(1)) // 1024
        check(abs(int(shape.group(1)) - host_mib) <= 1,
              "installed memory %s, the host has %d MiB" % (installed, host_mib))
    load = int(facts.get("CHardwareMemory::GetMemoryLoad", "-2"))
    check(0 <= load <= 100, "memory load %d out of range" % load)
    # Linux says nothing about the memory type here; the rule that picks it
    # is checked by the unit tests.


def local_dates(before, after):
    return {datetime.datetime.fromtimestamp(t).date() for t in (before - 1, after + 1)}


def check_software(facts, before, after):
    check(facts.get("CSoftware::GetWindowsName") in ("Windows 11", "Windows 10", "Windows 8.1", "Windows 8",
                                                     "Windows 7", "Windows Vista", "Windows XP", ""),
          "Windows name %r" % facts.get("CSoftware::GetWindowsName"))
    check(facts.get("CSoftware::GetBitness") in ("32", "64"), "bitness %r" % facts.get("CSoftware::GetBitness"))
    if os.environ.get("WINEARCH", "win64") == "win64" and os.uname().machine == "x86_64":
        check(facts.get("CSoftware::GetBitness") == "64", "a 64-bit system shows %r" %
              facts.get("CSoftware::GetBitness"))
    check(facts.get("CSoftware::GetServicePack") in ("", "1", "2", "3"),
          "service pack %r" % facts.get("CSoftware::GetServicePack"))
    for op in ("GetInstallDate", "GetLastBootTime"):
        value = facts.get("CSoftware::" + op, "")
        m = re.fullmatch(r"(\d{4})/(\d{2})/(\d{1,2}) (\d{2}):(\d{2}):(\d{2})", value)
        check(value == "" or m is not None, "%s %r is not year/month/day time" % (op, value))
        if m:
            when = datetime.datetime(*(int(g) for g in m.groups()))
            check(when <= datetime.datetime.fromtimestamp(after + 60), "%s %s lies in the future" % (op, value))
    threads = facts.get("CSoftware::GetThreadTotal", "")
    check(threads.isdigit() and int(threads) > 0, "thread total %r" % threads)
    for log in ("System", "Application"):
        count = facts.get("CSoftware::ReadEventLog(%s)" % log, "")
        check(count.isdigit() and int(count) <= 10, "%s log entries: %r" % (log, count))


def check_date_time(facts, before, after):
    unix = int(facts.get("CDateTime::GetUnixTime", "0"))
    check(before - 5 <= unix <= after + 5, "Unix time %d, the host says %d..%d" % (unix, before, after))
    days = local_dates(before, after)
    weekdays = {d.strftime("%A") for d in days}
    check(facts.get("CDateTime::GetWeekday") in weekdays,
          "weekday %r, the host says %s" % (facts.get("CDateTime::GetWeekday"), weekdays))
    check(facts.get("CDateTime::GetDayOfYear") in {d.strftime("%j") for d in days},
          "day of year %r" % facts.get("CDateTime::GetDayOfYear"))
    check(facts.get("CDateTime::GetWeekNumber") in {"%02d" % d.isocalendar()[1] for d in days},
          "ISO week %r" % facts.get("CDateTime::GetWeekNumber"))
    zone = facts.get("CDateTime::GetTimeZone", "")
    m = re.fullmatch(r"\(UTC([+-])(\d{2})(\d{2})\) .+", zone)
    check(m is not None, "time zone %r is not '(UTC+hhmm) name'" % zone)
    if m:
        offset = (int(m.group(2)) * 60 + int(m.group(3))) * (-1 if m.group(1) == "-" else 1)
        host = time.localtime(after).tm_gmtoff // 60
        check(offset == host, "time zone offset %d min, the host says %d" % (offset, host))
    check(facts.get("CDateTime::GetTimeText", "") != "", "no time text")
    check(facts.get("CDateTime::GetDateText", "") != "", "no date text")


def check_smbios(facts):
    for op in ("MajorVersion", "MinorVersion", "ModuleMemoryType", "DeviceMemoryType"):
        check(facts.get("CDumpSMBIOS::" + op, "").isdigit(), "CDumpSMBIOS::%s %r" %
              (op, facts.get("CDumpSMBIOS::" + op)))
    host = read("/sys/class/dmi/id/bios_version")
    if host:
        check(facts.get("CDumpSMBIOS::BiosVersion") == host,
              "BIOS version %r, the firmware says %r" % (facts.get("CDumpSMBIOS::BiosVersion"), host))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    facts, _, before, after = run_facts(sys.argv[1])
    check_smbios(facts)
    check_cpu(facts)
    check_memory(facts)
    check_software(facts, before, after)
    check_date_time(facts, before, after)
    factslib.finish("SMBIOS, CPU, memory, software and date/time facts agree with the host")


if __name__ == "__main__":
    main()
