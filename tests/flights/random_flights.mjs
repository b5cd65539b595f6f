// Random flights of the demo panel, for holding the three builds (the
// native host, the Windows host with the real DLL under Wine, the web
// build under Node) to the same frames.
//
//   node random_flights.mjs write FOLDER COUNT [FIRST_SEED]
//     writes FOLDER/seed_S.txt for COUNT seeds from FIRST_SEED (default 1),
//     and FOLDER/flights_BUILD.txt for each build: "SCENARIO TRACE" a line
//     (the hosts' --flights list), the traces in FOLDER/BUILD/.
//   node random_flights.mjs compare FOLDER
//     reads every seed's three traces; the DLL's is the truth. Prints each
//     difference as seed, frame and element, and at the end
//     "N random flights: equal in all three builds" (exit 0) or how many
//     differ (exit 1).
import fs from "node:fs";
import path from "node:path";

export const BUILDS = ["win32", "native", "web"]; // the first is the truth

// The demo panel's controls, in face pixels of each gauge.
const ALTIMETERS = ["ZOR_1", "ZOR_2"];
const BREAKERS = ["AZS_ZOR_1", "AZS_ZOR_2"];
const BREAKER_POINT = [15, 32];
const KNOB_POINTS = {
  pressure_down: [320, 310], pressure_up: [345, 310],
  selected_down: [25, 315], selected_up: [45, 315],
};
const UNITS_BUTTON = [325, 25];
const DIMMER = [40, 40];

// mulberry32: small, seeded, the same in every Node.
function randomOf(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// One flight: the demo panel powered, then steps drawn at random.
export function flightText(seed) {
  const random = randomOf(seed);
  const whole = (low, high) => low + Math.floor(random() * (high - low + 1));
  const pick = (list) => list[whole(0, list.length - 1)];
  const lines = [`# random flight, seed ${seed}`, ...fs.readFileSync(demoPanel(), "utf8")
    .split("\n").filter((line) => line.startsWith("place ")), "set bus_volts 27"];
  let altitude = 0;
  // Mostly both breakers closed, so that the knobs reach powered gauges.
  if (random() < 0.9) lines.push(`click AZS_ZOR_1 ${BREAKER_POINT.join(" ")}`);
  if (random() < 0.8) lines.push(`click AZS_ZOR_2 ${BREAKER_POINT.join(" ")}`);
  lines.push("frames 2");
  const steps = whole(8, 18);
  for (let step = 0; step < steps; step++) {
    const kind = random();
    const gauge = pick(ALTIMETERS);
    if (kind < 0.3) {
      const knob = pick(Object.keys(KNOB_POINTS));
      lines.push(`hold ${gauge} ${KNOB_POINTS[knob].join(" ")} left ${random() < 0.15 ? whole(90, 140) : whole(1, 30)}`);
    } else if (kind < 0.38) {
      lines.push(`click ${gauge} ${KNOB_POINTS[pick(Object.keys(KNOB_POINTS))].join(" ")} ${pick(["left", "right"])}`);
    } else if (kind < 0.58) {
      // Climbs and descents, often through the selected altitude's bands.
      const to = whole(-100, 3200);
      lines.push(`ramp altitude ${altitude} ${to} ${whole(10, 90)}`);
      altitude = to;
    } else if (kind < 0.64) {
      lines.push(`click ${gauge} ${UNITS_BUTTON.join(" ")}`);
    } else if (kind < 0.69) {
      lines.push(`click ${gauge} ${DIMMER.join(" ")}`);
    } else if (kind < 0.75) {
      lines.push(`click ${pick(BREAKERS)} ${BREAKER_POINT.join(" ")}`);
    } else if (kind < 0.81) {
      lines.push(`set bus_volts ${pick([0, 0, 12, 27, 27.5])}`);
    } else if (kind < 0.87) {
      lines.push(`set kohlsman_mb ${(whole(9400, 10600) / 10).toFixed(1)}`);
    } else if (kind < 0.9) {
      lines.push(`set units_of_measure ${pick([0, 2])}`);
    }
    lines.push(`frames ${whole(1, 40)}`);
  }
  return lines.join("\n") + "\n";
}

function demoPanel() {
  return path.join(path.dirname(new URL(import.meta.url).pathname), "..", "..", "scenarios", "bench_demo.txt");
}

export function writeFlights(folder, count, firstSeed) {
  fs.mkdirSync(folder, { recursive: true });
  const lists = Object.fromEntries(BUILDS.map((build) => [build, []]));
  for (let seed = firstSeed; seed < firstSeed + count; seed++) {
    const scenario = path.resolve(folder, `seed_${seed}.txt`);
    fs.writeFileSync(scenario, flightText(seed));
    for (const build of BUILDS) {
      fs.mkdirSync(path.join(folder, build), { recursive: true });
      lists[build].push(`${scenario} ${path.resolve(folder, build, `seed_${seed}.jsonl`)}`);
    }
  }
  for (const build of BUILDS)
    fs.writeFileSync(path.join(folder, `flights_${build}.txt`), lists[build].join("\n") + "\n");
}

// The first place two JSON values differ, as a path: "gauges.ZOR_1.elements.14".
function firstDifference(truth, other, where = "") {
  if (typeof truth !== "object" || truth === null || typeof other !== "object" || other === null)
    return Object.is(truth, other) || truth === other ? null : where || "(the frame)";
  const keys = new Set([...Object.keys(truth), ...Object.keys(other)]);
  for (const key of keys) {
    const found = firstDifference(truth[key], other[key], where ? `${where}.${key}` : key);
    if (found) return found;
  }
  return null;
}

function traceFrames(file) {
  if (!fs.existsSync(file)) return null;
  return fs.readFileSync(file, "utf8").split("\n").filter((line) => line.trim()).map((line) => JSON.parse(line));
}

// Every difference of one seed, each "seed S frame F element E: truth vs other (build)".
export function seedDifferences(folder, seed) {
  const traces = Object.fromEntries(BUILDS.map((build) => [build, traceFrames(path.join(folder, build, `seed_${seed}.jsonl`))]));
  const truth = traces[BUILDS[0]];
  const said = [];
  for (const build of BUILDS.slice(1)) {
    const other = traces[build];
    if (!truth || !other) { said.push(`seed ${seed}: no trace from ${truth ? build : BUILDS[0]}`); continue; }
    if (truth.length !== other.length) said.push(`seed ${seed}: ${BUILDS[0]} ran ${truth.length} frames, ${build} ${other.length}`);
    for (let i = 0; i < Math.min(truth.length, other.length); i++) {
      const element = firstDifference(truth[i], other[i]);
      if (!element) continue;
      const value = (frame) => JSON.stringify(element.split(".").reduce((v, k) => (v == null ? v : v[k]), frame));
      said.push(`seed ${seed} frame ${truth[i].frame} element ${element}: ${BUILDS[0]} ${value(truth[i])}, ${build} ${value(other[i])}`);
      break; // the first frame that differs; the rest follow from it
    }
  }
  return said;
}

export function compareFlights(folder) {
  const seeds = fs.readdirSync(folder).map((name) => /^seed_(\d+)\.txt$/.exec(name)).filter(Boolean)
    .map((match) => Number(match[1])).sort((a, b) => a - b);
  let differing = 0;
  const lines = [];
  for (const seed of seeds) {
    const said = seedDifferences(folder, seed);
    if (said.length) { differing++; lines.push(...said); }
  }
  lines.push(differing === 0 ? `${seeds.length} random flights: equal in all three builds`
                             : `${seeds.length} random flights: ${differing} differ between the builds`);
  return { count: seeds.length, differing, lines };
}

if (process.argv[1] === new URL(import.meta.url).pathname) {
  const [what, folder, count, first] = process.argv.slice(2);
  if (what === "write" && folder && Number(count) > 0) {
    writeFlights(folder, Number(count), Number(first || 1));
  } else if (what === "compare" && folder) {
    const { differing, lines } = compareFlights(folder);
    console.log(lines.join("\n"));
    process.exit(differing === 0 ? 0 : 1);
  } else {
    console.error("usage: random_flights.mjs write FOLDER COUNT [FIRST_SEED] | compare FOLDER");
    process.exit(2);
  }
}
