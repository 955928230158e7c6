s = ""
for i in range(1, 200001):
    s = s + chr(65 + i % 26)
count = 0
for i in range(1, len(s) + 1):
    if s[i - 1:i] == "A":
        count = count + 1
print(len(s), count)
